// The document of WPView going out and coming in: page set-up, printing and PDF, and
// the clipboard in plain text, HTML and RTF.
#include "platform/wordproc/view/WPView.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/RtfWriter.h"
#include "platform/wordproc/view/WPViewLog.h"

#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocumentFragment>

namespace {
const char kRtfMime[] = "text/rtf";
const char kRtfMimeAlt[] = "application/rtf";
} // namespace

// --- page set-up and printing ---------------------------------------------

void WPView::setPageSettings(const PageSettings &settings)
{
    m_page = settings;
    emit paragraphChanged(); // the ruler shows the margins
}

void WPView::printDocument(QPrinter *printer) const
{
    printer->setPageLayout(m_page.layout);
    printer->setFullPage(false);
    document()->print(printer);
}

void WPView::writePdf(const QString &fileName) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setCreator(QStringLiteral("Tessary"));
    printDocument(&printer);
    if (!QFileInfo(fileName).exists() || QFileInfo(fileName).size() == 0)
        throw TessaryError(tr("Cannot write the file %1.").arg(fileName));
}

// --- clipboard --------------------------------------------------------------

void WPView::copyImageResources(const QTextDocument *from, QTextDocument *to)
{
    for (QTextBlock b = from->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl name(f.toImageFormat().name());
            if (to->resource(QTextDocument::ImageResource, name).isValid())
                continue;
            const QVariant image =
                const_cast<QTextDocument *>(from)->resource(QTextDocument::ImageResource, name);
            if (image.isValid())
                to->addResource(QTextDocument::ImageResource, name, image);
        }
    }
}

QMimeData *WPView::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    if (!cursor.hasSelection())
        return data;
    QTextDocument part;
    part.setDefaultFont(document()->defaultFont());
    QTextCursor(&part).insertFragment(cursor.selection());
    copyImageResources(document(), &part);
    // Line and paragraph separators of the selection become plain new lines.
    data->setText(part.toPlainText());
    data->setHtml(QString::fromUtf8(DocumentForm::save(&part)));
    data->setData(QString::fromLatin1(kRtfMime), RtfWriter::write(&part));
    return data;
}

bool WPView::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasFormat(QString::fromLatin1(kRtfMime)) ||
           source->hasFormat(QString::fromLatin1(kRtfMimeAlt)) ||
           QTextEdit::canInsertFromMimeData(source);
}

void WPView::insertFromMimeData(const QMimeData *source)
{
    // HTML first (it keeps everything this control makes), then RTF from other
    // word processors, then what QTextEdit takes (plain text, pictures).
    if (!source->hasHtml()) {
        QByteArray rtf = source->data(QString::fromLatin1(kRtfMime));
        if (rtf.isEmpty())
            rtf = source->data(QString::fromLatin1(kRtfMimeAlt));
        if (!rtf.isEmpty()) {
            QTextDocument part;
            QStringList warnings;
            RtfReader::read(rtf, &part, &warnings);
            if (!warnings.isEmpty())
                qCDebug(lcWPView) << "pasted RTF:" << warnings;
            copyImageResources(&part, document());
            textCursor().insertFragment(QTextDocumentFragment(&part));
            ensureCursorVisible();
            return;
        }
    }
    if (source->hasImage() && !source->hasHtml()) {
        insertImage(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}
