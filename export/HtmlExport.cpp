#include "export/HtmlExport.h"

#include "editors/chart/TChartEditor.h"
#include "editors/document/TWPEditor.h"
#include "editors/picture/TImageEditor.h"
#include "editors/table/TGridEditor.h"
#include "export/DocumentHtml.h"
#include "export/ExportLog.h"
#include "export/PageWalk.h"
#include "platform/TessaryError.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridHtml.h"
#include "platform/imaging/PictureWriter.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>

namespace {
const QString kBodyOpen = QStringLiteral("<BODY>");
const QString kBodyClose = QStringLiteral("</BODY>");

// The five lines every export starts from.
const char *const kInitialLines[] = {"<HTML><HEAD>",
                                     "<BASEFONT FACE=\"Arial\" SIZE=\"3\" COLOR=\"#000000\">",
                                     "</HEAD><BODY>", "</BODY>", "</HTML>"};

// The document being built, as a list of lines: its text holds every line
// followed by a line break. Each part is joined at the first "</BODY>" of
// the document and after the first "<BODY>" of the part.
class HtmlLines
{
public:
    HtmlLines()
    {
        for (const char *line : kInitialLines)
            addLine(QString::fromLatin1(line));
    }

    void addLine(const QString &line)
    {
        m_text += line;
        m_text += QLatin1Char('\n');
    }

    void appendPart(const QString &heading, QString part)
    {
        if (!m_text.isEmpty()) {
            // Nothing before m_searchFrom holds "</BODY>": the text was cut
            // at its first one, and what follows was added after a line break.
            const int cut = int(m_text.indexOf(kBodyClose, m_searchFrom));
            if (cut >= 0)
                cutAt(cut);
        }
        const int open = int(part.indexOf(kBodyOpen));
        if (open >= 0)
            part.remove(0, open + kBodyOpen.size());
        m_searchFrom = int(m_text.size());
        addLine(QStringLiteral("<P>&nbsp;</P>"));
        addLine(QStringLiteral("<H3>") + heading + QStringLiteral("</H3>"));
        m_text += part;
        if (!part.isEmpty() && !part.endsWith(QLatin1Char('\n')))
            m_text += QLatin1Char('\n');
    }

    const QString &text() const { return m_text; }

private:
    // Keeps the text before pos, in place (the document grows to megabytes).
    void cutAt(qsizetype pos)
    {
        m_text.truncate(pos);
        if (!m_text.isEmpty() && !m_text.endsWith(QLatin1Char('\n')))
            m_text += QLatin1Char('\n');
    }

    QString m_text;
    int m_searchFrom = 0;
};

// The three lines of a picture part.
QString picturePart(const QString &prefix, const QString &fileName)
{
    return QStringLiteral("<BODY>\n<CENTER><IMG SRC=\"%1%2\"/></CENTER>\n</BODY>\n")
        .arg(prefix, fileName);
}

QString tablePart(const GridData &grid)
{
    QString part = QStringLiteral("<HTML><BODY>\n");
    if (grid.rowCount() > 0 && grid.columnCount() > 0)
        part += GridHtml::table(grid, 0, 0, grid.rowCount() - 1, grid.columnCount() - 1);
    part += QStringLiteral("</BODY></HTML>\n");
    return part;
}

bool isDocumentKind(int kind)
{
    return kind == PageKind::Document || kind == PageKind::NoEditor4 ||
           kind == PageKind::HostDocument5 || kind == PageKind::HostDocument6 ||
           kind == PageKind::HostDocument7;
}

// The hourglass while the export runs, where there is a screen to show it.
class WaitCursor
{
public:
    WaitCursor() : m_on(qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
    {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_on;
};

// The node's title as heading text: markup characters are shown, not read.
QString headingTitle(const QString &title)
{
    QString t = title.toHtmlEscaped();
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}
} // namespace

QString HtmlExport::Result::problems() const
{
    if (failed.isEmpty())
        return QString();
    return QObject::tr("These pages could not be exported and were left out:\n%1")
        .arg(failed.join(QLatin1Char('\n')));
}

HtmlExport::HtmlExport(TDM &store, PageEditors *editors) : m_store(store), m_editors(editors) {}

QString HtmlExport::replaceRepeatedly(QString text, const QString &search,
                                      const QString &replacement)
{
    if (search.isEmpty())
        return text;
    const bool once = replacement.contains(search);
    qsizetype from = 0;
    for (;;) {
        // Text before from holds no occurrence: the one found was the first,
        // and a new one can only form across the place of the replacement.
        const qsizetype pos = text.indexOf(search, from);
        if (pos < 0)
            break;
        text.replace(pos, search.size(), replacement);
        if (once)
            break;
        from = qMax<qsizetype>(0, pos - search.size() + 1);
    }
    return text;
}

QString HtmlExport::asciiHtml(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        } else if (c.isSurrogate()) {
            code = 0xFFFD;
        }
        out += QStringLiteral("&#%1;").arg(uint(code));
    }
    return out;
}

HtmlExport::Result HtmlExport::CreateHTML(const QString &F)
{
    Result result;
    PageWalk walk(m_store, m_editors);
    const QFileInfo target(F);
    const QString sep = QDir::separator();
    QString outputFolder = QDir::toNativeSeparators(target.absolutePath());
    if (!outputFolder.endsWith(sep))
        outputFolder += sep;
    const QString pictureDirName = target.completeBaseName() + QStringLiteral("_files");
    const QString pictureFolder = outputFolder + pictureDirName + sep;
    const QString prefix = QStringLiteral("./") + pictureDirName + QStringLiteral("/");
    if (!QDir().mkpath(pictureFolder))
        throw TessaryError(QObject::tr("Cannot create the folder %1.").arg(pictureFolder));

    DocumentHtml documentHtml(pictureFolder);
    HtmlLines D;
    WaitCursor cursor;
    const QList<ReportNode *> nodes = walk.nodes();
    const int scale = int(nodes.size()) - 1;
    QColor textColour = Qt::black;

    for (int i = 0; i < nodes.size(); ++i) {
        if (isTicked && !isTicked(i))
            continue;
        const ReportNode *node = nodes.at(i);
        if (i >= scale / 2)
            textColour = QColor(0xC0, 0xC0, 0xC0);
        if (onProgress)
            onProgress({i, scale, QStringLiteral(" ") + node->text, textColour});
        // A report closed meanwhile (the window was closed) ends the export as
        // a cancel does.
        if ((isCancelled && isCancelled()) || !m_store.isOpen() || m_store.StoreClosing()) {
            result.cancelled = true;
            PageModified = false;
            return result;
        }
        const int kind = node->kind;
        if (!isDocumentKind(kind) && kind != PageKind::Table && kind != PageKind::Chart &&
            kind != PageKind::Picture)
            continue;

        const qint32 id = node->data;
        QString part;
        try {
            // The kind's editor; kind 4 pages are read as documents.
            const int editorKind = isDocumentKind(kind) ? int(PageKind::Document) : kind;
            if (!walk.editorFor(editorKind))
                throw TessaryError(QObject::tr("there is no editor for it"));
            bool loaded = false;
            if (isDocumentKind(kind)) {
                auto *wp = walk.editorAs<TWPEditor>(editorKind);
                if (!wp)
                    throw TessaryError(QObject::tr("the document editor cannot write HTML"));
                wp->clearContent();
                loaded = m_store.GetWP(id);
                if (loaded)
                    part = documentHtml.write(wp->view()->document());
            } else if (kind == PageKind::Table) {
                auto *grid = walk.editorAs<TGridEditor>(kind);
                if (!grid)
                    throw TessaryError(QObject::tr("the table editor cannot write HTML"));
                loaded = m_store.GetGrid(id);
                if (loaded)
                    part = tablePart(grid->GridView->grid());
            } else if (kind == PageKind::Chart) {
                auto *chart = walk.editorAs<TChartEditor>(kind);
                if (!chart)
                    throw TessaryError(QObject::tr("the chart editor cannot write pictures"));
                loaded = m_store.GetChart(id);
                if (loaded) {
                    const QString name = QStringLiteral("CHART%1.JPG").arg(i);
                    try {
                        TChartEditor::writeChart(chart->ChartView(), pictureFolder + name, 6);
                    } catch (const std::exception &e) {
                        // A chart that cannot be drawn as a picture is left out.
                        qCWarning(lcExport, "chart %d not exported: %s", int(id), e.what());
                        result.failed
                            << QCoreApplication::translate("HtmlExport", "%1 (page %2): %3")
                                   .arg(node->text)
                                   .arg(id)
                                   .arg(QString::fromLocal8Bit(e.what()));
                        continue;
                    }
                    result.pictures << pictureFolder + name;
                    part = picturePart(prefix, name);
                }
            } else {
                auto *picture = walk.editorAs<TImageEditor>(kind);
                if (!picture)
                    throw TessaryError(QObject::tr("the picture editor cannot write pictures"));
                loaded = m_store.GetImage(id);
                if (loaded) {
                    // Written in the picture's own form (a bitmap), whatever
                    // the extension says.
                    const QString name = QStringLiteral("CHART%1.BMP").arg(i);
                    PictureWriter::writeBmp(picture->picture(), pictureFolder + name);
                    result.pictures << pictureFolder + name;
                    part = picturePart(prefix, name);
                }
            }
            if (!loaded)
                throw TessaryError(QObject::tr("the report has no row for it"));
        } catch (const TessaryError &e) {
            result.failed << QCoreApplication::translate("HtmlExport", "%1 (page %2): %3")
                                 .arg(node->text)
                                 .arg(id)
                                 .arg(e.message());
            continue;
        }
        D.appendPart(QStringLiteral("<CENTER>") + headingTitle(node->text) +
                         QStringLiteral("</CENTER>"),
                     part);
        ++result.pages;
    }
    PageModified = false;

    for (const QString &file : documentHtml.pictureFiles())
        result.pictures << file;
    // Paths in the output folder become relative to it. A file in the root
    // folder keeps its paths: removing "/" would take the markup apart.
    const bool rootFolder = QDir(target.absolutePath()).isRoot();
    const QString text =
        asciiHtml(rootFolder ? D.text() : replaceRepeatedly(D.text(), outputFolder, QString()));
    QSaveFile out(F);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toLatin1()) < 0 || !out.commit())
        throw TessaryError(QObject::tr("Cannot write %1: %2").arg(F, out.errorString()));
    result.written = true;
    return result;
}
