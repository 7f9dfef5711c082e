#include "platform/grid/GridFiles.h"

#include "platform/TessaryError.h"
#include "platform/grid/DelimitedText.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridDocx.h"
#include "platform/grid/GridHtml.h"
#include "platform/grid/GridStream.h"
#include "platform/grid/GridTextDocument.h"
#include "platform/grid/GridXlsx.h"
#include "platform/grid/GridXml.h"
#include "platform/wordproc/RtfWriter.h"

#include <QTextDocument>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot create the file %1.").arg(fileName));
}

// A rich-text document holding the table as a real RTF table.
void writeRichText(const GridData &grid, const QString &fileName, const QString &title)
{
    const auto doc = GridTextDocument::build(grid, title);
    writeBytes(fileName, RtfWriter::write(doc.get()));
}

} // namespace

namespace GridFiles {

Format formatForExtension(const QString &extension)
{
    QString e = extension.toLower();
    if (e.startsWith(QLatin1Char('.')))
        e.remove(0, 1);
    if (e == QLatin1String("txt"))
        return PlainText;
    if (e == QLatin1String("tab"))
        return TabDelimited;
    if (e == QLatin1String("csv"))
        return CommaDelimited;
    if (e == QLatin1String("xls") || e == QLatin1String("xlsx"))
        return Spreadsheet;
    if (e == QLatin1String("doc"))
        return WordDocument;
    if (e == QLatin1String("htm") || e == QLatin1String("html"))
        return Html;
    if (e == QLatin1String("xml"))
        return Xml;
    if (e == QLatin1String("docx"))
        return Docx;
    if (e == QLatin1String("rtf"))
        return RichText;
    if (e == QLatin1String("grid2"))
        return Native;
    return None;
}

QString extensionOf(Format format)
{
    switch (format) {
    case PlainText:
        return QStringLiteral(".TXT");
    case TabDelimited:
        return QStringLiteral(".TAB");
    case CommaDelimited:
        return QStringLiteral(".CSV");
    case Spreadsheet:
        return QStringLiteral(".xlsx");
    case WordDocument:
        return QStringLiteral(".DOC");
    case Html:
        return QStringLiteral(".HTM");
    case Xml:
        return QStringLiteral(".xml");
    case Docx:
        return QStringLiteral(".docx");
    case RichText:
        return QStringLiteral(".rtf");
    case Native:
        return QStringLiteral(".GRID2");
    default:
        return QString();
    }
}

void write(const GridData &grid, Format format, const QString &fileName, const QString &title)
{
    switch (format) {
    case PlainText:
        writeBytes(fileName, DelimitedText::writePlain(grid));
        return;
    case TabDelimited:
        writeBytes(fileName, DelimitedText::write(grid, QLatin1Char('\t')));
        return;
    case CommaDelimited:
        writeBytes(fileName, DelimitedText::write(grid, QLatin1Char(',')));
        return;
    case Spreadsheet:
        GridXlsx::write(grid, fileName);
        return;
    case WordDocument:
    case RichText:
        writeRichText(grid, fileName, title);
        return;
    case Html:
        writeBytes(fileName, GridHtml::document(grid, title));
        return;
    case Xml:
        writeBytes(fileName, GridXml::write(grid));
        return;
    case Docx:
        GridDocx::write(grid, fileName, title);
        return;
    case Native:
        writeBytes(fileName, GridStream::write(grid));
        return;
    default:
        throw TessaryError(
            QCoreApplication::translate("Grid", "Tables cannot be written as \"%1\".")
                .arg(QFileInfo(fileName).suffix()));
    }
}

QString read(GridData &grid, const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot open the file %1.").arg(fileName));
    const QByteArray bytes = f.readAll();
    const QString upper = fileName.toUpper();
    if (upper.contains(QLatin1String(".CSV")))
        return DelimitedText::load(bytes, QLatin1Char(','), grid);
    if (upper.contains(QLatin1String(".TAB")))
        return DelimitedText::load(bytes, QLatin1Char('\t'), grid);
    GridStream::read(bytes, grid);
    return QString();
}

} // namespace GridFiles
