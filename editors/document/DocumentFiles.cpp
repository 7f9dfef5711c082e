#include "editors/document/DocumentFiles.h"

#include "platform/wordproc/HtmlFormFixups.h"

#include "platform/TessaryError.h"
#include "platform/convert/Converters.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/RtfWriter.h"
#include "platform/wordproc/view/WPView.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace {
QByteArray readAll(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw TessaryError(QObject::tr("Cannot read the file %1: %2.")
                               .arg(QFileInfo(fileName).fileName(), f.errorString()));
    return f.readAll();
}

void writeAll(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw TessaryError(QObject::tr("Cannot write the file %1: %2.")
                               .arg(QFileInfo(fileName).fileName(), f.errorString()));
}

void setHtml(QTextDocument *doc, const QByteArray &html, const QString &fileName)
{
    auto encoding = QStringConverter::encodingForHtml(html);
    QString text;
    if (encoding) {
        QStringDecoder decoder(*encoding);
        text = decoder.decode(html);
    } else {
        text = DocumentForm::decodeText(html);
    }
    // Relative picture names are found beside the file.
    doc->setBaseUrl(QUrl::fromLocalFile(QFileInfo(fileName).absolutePath() + QLatin1Char('/')));
    doc->setHtml(text);
    // What Qt's import adds or spreads (a paragraph after each table, cell
    // backgrounds) is put right as for stored pages.
    HtmlFormFixups::afterLoad(doc, text);
    DocumentFiles::embedPictures(doc);
    doc->setBaseUrl(QUrl());
}
} // namespace

void DocumentFiles::embedPictures(QTextDocument *doc)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl name(f.toImageFormat().name());
            const QVariant image = doc->resource(QTextDocument::ImageResource, name);
            if (image.isValid())
                doc->addResource(QTextDocument::ImageResource, name, image);
        }
    }
}

void DocumentFiles::load(const QString &fileName, QTextDocument *doc, QStringList *warnings)
{
    const QString ext = QFileInfo(fileName).suffix().toUpper();
    if (ext == QLatin1String("RTF")) {
        DocumentForm::load(readAll(fileName), doc, warnings);
    } else if (ext == QLatin1String("TXT")) {
        doc->setPlainText(DocumentForm::decodeText(readAll(fileName)));
    } else if (ext == QLatin1String("HTML") || ext == QLatin1String("HTM")) {
        setHtml(doc, readAll(fileName), fileName);
    } else if (ext == QLatin1String("DOC") || ext == QLatin1String("WPD") ||
               ext == QLatin1String("DOCX") || ext == QLatin1String("ODT")) {
        if (!QFileInfo::exists(fileName))
            readAll(fileName); // the same message as for every unreadable file
        setHtml(doc, Converters::importToHtml(fileName), fileName);
    }
    // Any other extension: an empty document.
}

QStringList DocumentFiles::saveExtensions()
{
    return {QStringLiteral("rtf"), QStringLiteral("html"), QStringLiteral("htm"),
            QStringLiteral("txt"), QStringLiteral("docx"), QStringLiteral("odt"),
            QStringLiteral("pdf")};
}

void DocumentFiles::save(const QString &fileName, const WPView *view)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    const QTextDocument *doc = view->document();
    if (ext == QLatin1String("rtf")) {
        writeAll(fileName, RtfWriter::write(doc));
    } else if (ext == QLatin1String("html") || ext == QLatin1String("htm")) {
        writeAll(fileName, DocumentForm::save(doc));
    } else if (ext == QLatin1String("txt")) {
        writeAll(fileName, doc->toPlainText().toUtf8());
    } else if (ext == QLatin1String("docx") || ext == QLatin1String("odt")) {
        Converters::exportHtml(DocumentForm::save(doc), fileName);
    } else if (ext == QLatin1String("pdf")) {
        view->writePdf(fileName);
    } else {
        throw TessaryError(
            QObject::tr("Documents cannot be written as \"%1\"; choose one of %2.")
                .arg(QFileInfo(fileName).suffix(), saveExtensions().join(QStringLiteral(", "))));
    }
}

QImage DocumentFiles::render(const QTextDocument *doc, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (size.isEmpty())
        return image;
    std::unique_ptr<QTextDocument> copy(doc->clone());
    copy->setTextWidth(size.width());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), QSizeF(size));
    context.palette.setColor(QPalette::Text, Qt::black);
    copy->documentLayout()->draw(&p, context);
    return image;
}
