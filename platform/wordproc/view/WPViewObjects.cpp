// The objects in the text of WPView: tables on the cursor, pictures, and hyperlinks
// (followed with Ctrl+click).
#include "platform/wordproc/view/WPView.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/view/WPTables.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QTextTable>

// --- tables ---------------------------------------------------------------

void WPView::createTable(int rows, int columns, bool withBorders)
{
    QTextCursor c = textCursor();
    WPTables::createTable(c, rows, columns, withBorders);
    setTextCursor(c);
}

#define WP_TABLE_OP(name, call)                                                                    \
    bool WPView::name()                                                                            \
    {                                                                                              \
        QTextCursor c = textCursor();                                                              \
        if (!WPTables::call(c))                                                                    \
            return false;                                                                          \
        setTextCursor(c);                                                                          \
        return true;                                                                               \
    }
WP_TABLE_OP(insertRow, insertRow)
WP_TABLE_OP(deleteRow, deleteRow)
WP_TABLE_OP(selectRow, selectRow)
WP_TABLE_OP(insertColumn, insertColumn)
WP_TABLE_OP(deleteColumn, deleteColumn)
WP_TABLE_OP(selectColumn, selectColumn)
#undef WP_TABLE_OP

bool WPView::setCellBorders(int sides, bool on)
{
    QTextCursor c = textCursor();
    return WPTables::setBorders(c, sides, on ? 1 : 0);
}

bool WPView::toggleCellBorders(int sides)
{
    QTextCursor c = textCursor();
    return WPTables::toggleBorders(c, sides);
}

bool WPView::inTable() const
{
    return textCursor().currentTable() != nullptr;
}

// --- pictures and links ---------------------------------------------------

void WPView::insertPicture(const QString &fileName)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw TessaryError(tr("Cannot read the picture %1: %2.")
                               .arg(QFileInfo(fileName).fileName(), reader.errorString()));
    insertImage(image, QFileInfo(fileName).completeBaseName());
}

void WPView::insertImage(const QImage &image, const QString &baseName)
{
    if (image.isNull())
        return;
    // A name of its own in the document, so that two pictures never share one.
    QString name;
    do {
        name = QStringLiteral("picture%1-%2.png")
                   .arg(++m_imageCount)
                   .arg(baseName.isEmpty() ? QStringLiteral("image") : baseName);
    } while (document()->resource(QTextDocument::ImageResource, QUrl(name)).isValid());
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    // Wide pictures are shown at most as wide as the page's text.
    const qreal maxWidth = m_page.layout.paintRectPixels(96).width();
    if (image.width() > maxWidth) {
        format.setWidth(maxWidth);
        format.setHeight(image.height() * maxWidth / image.width());
    } else {
        format.setWidth(image.width());
        format.setHeight(image.height());
    }
    textCursor().insertImage(format);
}

void WPView::insertHyperlink(const QString &url, const QString &text)
{
    if (url.isEmpty())
        return;
    QTextCharFormat format = currentCharFormat();
    format.setAnchor(true);
    format.setAnchorHref(url);
    format.setForeground(QColor(0, 0, 255));
    format.setFontUnderline(true);
    QTextCursor c = textCursor();
    c.beginEditBlock();
    if (!text.isEmpty() || !c.hasSelection())
        c.insertText(text.isEmpty() ? url : text, format);
    else
        c.mergeCharFormat(format);
    // Typing after the link is plain text again.
    QTextCharFormat plain = format;
    plain.setAnchor(false);
    plain.clearProperty(QTextFormat::AnchorHref);
    plain.clearForeground();
    plain.setFontUnderline(false);
    c.endEditBlock();
    setTextCursor(c);
    setCurrentCharFormat(plain);
}

void WPView::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    const bool overLink = !anchorAt(event->pos()).isEmpty();
    viewport()->setCursor(overLink && (event->modifiers() & Qt::ControlModifier)
                              ? Qt::PointingHandCursor
                              : Qt::IBeamCursor);
}

void WPView::mouseReleaseEvent(QMouseEvent *event)
{
    // Ctrl+click follows a link; a plain click places the caret in it for editing.
    const QString href = anchorAt(event->pos());
    QTextEdit::mouseReleaseEvent(event);
    if (!href.isEmpty() && (event->modifiers() & Qt::ControlModifier) &&
        event->button() == Qt::LeftButton)
        QDesktopServices::openUrl(QUrl(href));
}
