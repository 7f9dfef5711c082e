#include "store/ImportKinds.h"

#include "store/PageKind.h"

#include <QFileInfo>

namespace PageKind {

namespace {
struct ImportKind
{
    const char *extension;
    int kind;
};

// Editors that read files add their extensions here.
const ImportKind kImportKinds[] = {
    // Documents: RTF by our reader, text as plain lines, HTML as HTML, the
    // others through the converters.
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
};
} // namespace

int kindForFile(const QString &fileName)
{
    // The extension after the last dot of the file-name part ("a.b/c" has none).
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return -1;
    const QString extension = name.mid(dot + 1).toLower();
    for (const ImportKind &k : kImportKinds)
        if (extension == QLatin1String(k.extension))
            return k.kind;
    return -1;
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
