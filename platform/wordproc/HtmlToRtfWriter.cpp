#include "platform/wordproc/HtmlToRtfWriter.h"

#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/ReportHtml.h"
#include "platform/wordproc/RtfWriter.h"

#include <QFont>
#include <QTextDocument>

QByteArray HtmlToRtfWriter::convert(const QString &html, const QString &baseFolder,
                                    const Options &options,
                                    QHash<QString, QByteArray> *pictureCache)
{
    const ReportHtml::Cleaned cleaned = ReportHtml::clean(html);
    const QString embedded = DocumentImages::embedFiles(cleaned.html, baseFolder, pictureCache);
    DocumentImages::NamedBytes pictures;
    const QString named = DocumentImages::extract(embedded, &pictures, nullptr);

    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    const ReportHtml::BaseFont &base = cleaned.baseFont;
    QFont font = doc.defaultFont();
    if (!base.family.isEmpty())
        font.setFamily(base.family);
    font.setPointSizeF(base.pointSize > 0 ? base.pointSize : 12);
    doc.setDefaultFont(font);
    if (base.colour.isValid() && base.colour != QColor(Qt::black))
        doc.setDefaultStyleSheet(QStringLiteral("body { color: %1; }").arg(base.colour.name()));
    doc.setHtml(named);
    for (const auto &picture : pictures)
        DocumentImages::add(&doc, picture.first, picture.second);
    return RtfWriter::write(&doc, options.languageId, options.codePage);
}

int HtmlToRtfWriter::rtfCodePageOf(const QString &charsetName)
{
    const QString name = charsetName.trimmed().toUpper();
    if (name.startsWith(QLatin1String("WINDOWS-125")) && name.size() == 12 && name.at(11).isDigit())
        return name.mid(8).toInt();
    if (name == QLatin1String("ISO-8859-5") || name == QLatin1String("KOI8-R") ||
        name == QLatin1String("KOI8-U"))
        return 1251;
    if (name == QLatin1String("ISO-8859-2"))
        return 1250;
    return 1252;
}
