#include "store/ImportKinds.h"

#include "store/PageKind.h"

#include <QFile>
#include <QFileInfo>

namespace PageKind {

namespace {
// The groups of the import command, tried in order: an extension that occurs
// anywhere inside a group's text selects the group's kind.
struct ImportGroup
{
    const char *text;
    int kind;
};
const ImportGroup kGroups[] = {
    {".KCX.TEE", Chart},
    {".TAB.CSV.GRID2", Table},
    {".BMP.WMF.JPG.JPEG.PNG", Picture},
};

struct ImportKind
{
    const char *extension;
    int kind;
};

// Files outside the groups that an editor reads. The groups' own extensions
// are listed too (for help texts); they never reach this table.
const ImportKind kImportKinds[] = {
    // Documents: RTF by our reader, text as plain lines, HTML as HTML, the
    // others through the converters. Any other extension gives an empty document.
    {"rtf", Document},
    {"txt", Document},
    {"html", Document},
    {"htm", Document},
    {"docx", Document},
    {"odt", Document},
    {"doc", Document},
    {"wpd", Document},
    // Tables: comma- and tab-delimited text, the grid's own file.
    {"csv", Table},
    {"tab", Table},
    {"grid2", Table},
    // Word clouds: the word-cloud document.
    {"xml", WordCloud},
    // Charts: the chart file.
    {"kcx", Chart},
    {"tee", Chart},
    // Pictures.
    {"bmp", Picture},
    {"wmf", Picture},
    {"jpg", Picture},
    {"jpeg", Picture},
    {"png", Picture},
    {"gif", Picture},
    {"tif", Picture},
    {"tiff", Picture},
    {"webp", Picture},
    {"svg", Picture},
    {"emf", Picture},
    // Diagrams: the diagram's JSON stream (the editor checks its "format").
    {"json", Diagram},
    // Timelines: the timeline text (".txt" files holding it are recognised too).
    {"tml", Timeline},
};

// Record names of the timeline text.
const char *const kTimelineRecords[] = {"BackGround", "LineBar",       "Indicator", "Timeline Font",
                                        "Event font", "Timeline font", "Image",     "Max Range",
                                        "Range",      "Event"};

constexpr qint64 kSniffBytes = 64 * 1024;

bool isTimelineText(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false; // the document editor says why it cannot read the file
    QByteArray head = file.read(kSniffBytes);
    // A file longer than what was read: its last line may be cut, leave it out.
    if (!file.atEnd()) {
        const int end = head.lastIndexOf('\n');
        head.truncate(end < 0 ? 0 : end);
    }
    return looksLikeTimelineText(head);
}
} // namespace

bool looksLikeTimelineText(const QByteArray &text)
{
    QByteArray body = text;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    bool header = false;
    bool dated = false;
    int records = 0;
    for (QByteArray line : body.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int tab = line.indexOf('\t');
        if (tab < 0)
            return false;
        const QByteArray name = line.left(tab);
        bool known = false;
        for (const char *record : kTimelineRecords)
            known = known || name == record;
        if (!known)
            return false;
        ++records;
        if (name == "BackGround")
            header = true;
        if (name == "Event") {
            const QList<QByteArray> fields = line.split('\t');
            dated = dated || (fields.size() >= 4 && !fields.at(3).trimmed().isEmpty());
        }
    }
    return records > 0 && (header || dated);
}

int importKind(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    // A name without extension, or ending in a bare dot, is a document.
    if (dot < 0 || dot == name.size() - 1)
        return Document;
    const QString extension = name.mid(dot).toUpper();
    for (const ImportGroup &g : kGroups)
        if (QLatin1String(g.text).contains(extension))
            return g.kind;
    const QString bare = extension.mid(1).toLower();
    if (bare == QLatin1String("txt"))
        return isTimelineText(fileName) ? Timeline : Document;
    for (const ImportKind &k : kImportKinds)
        if (bare == QLatin1String(k.extension))
            return k.kind;
    return Document;
}

QString importTitle(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QStringList importExtensions(int kind)
{
    QStringList extensions;
    for (const ImportKind &k : kImportKinds)
        if (kind < 0 || k.kind == kind)
            extensions << QString::fromLatin1(k.extension);
    return extensions;
}

} // namespace PageKind
