#include "wordcloud/TzqWordCloud.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QSvgGenerator>

TzqWordCloud::TzqWordCloud(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted by PaintTo; Qt's backing store double-buffers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    BackgroundColorChanged();
    SetControlSize(size());
}

void TzqWordCloud::CloudChanged()
{
    update();
}

void TzqWordCloud::Progress(int percentDone, bool &cancel)
{
    emit OnProgress(this, percentDone, &cancel);
}

TColor TzqWordCloud::ParentBrushColor() const
{
    if (!parentWidget())
        return BackgroundColor();
    return TzqColorFromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
}

void TzqWordCloud::BackgroundColorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TzqColorToQColor(BackgroundColor()));
    setPalette(pal);
}

void TzqWordCloud::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    PaintTo(painter, event->rect());
}

void TzqWordCloud::resizeEvent(QResizeEvent *event)
{
    SetControlSize(event->size());
    QWidget::resizeEvent(event);
}

void TzqWordCloud::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (!isSignalConnected(QMetaMethod::fromSignal(&TzqWordCloud::OnClickWord)))
        return;
    const QPoint pos = event->position().toPoint();
    TzqWord *word = HighlightAt(pos.x(), pos.y());
    update();
    if (word)
        emit OnClickWord(this, event->button(), event->modifiers(), pos.x(), pos.y(), word);
}

template <typename Draw> void TzqWordCloud::drawAtSize(const QSize &size, Draw draw)
{
    if (size == this->size()) {
        draw();
        return;
    }
    m_drawSize = size;
    SetControlSize(size);
    draw();
    m_drawSize = QSize();
    SetControlSize(this->size());
}

QImage TzqWordCloud::ToImage()
{
    return ToImage(size());
}

QImage TzqWordCloud::ToImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    drawAtSize(size, [&] {
        QPainter painter(&image);
        PaintTo(painter, image.rect());
    });
    return image;
}

QByteArray TzqWordCloud::ToSvg()
{
    return ToSvg(size());
}

QByteArray TzqWordCloud::ToSvg(const QSize &size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Word cloud"));
    drawAtSize(size, [&] {
        // The painter is released before the picture is used.
        QPainter painter(&generator);
        PaintTo(painter, QRect(QPoint(0, 0), size));
    });
    return buffer.data();
}

void TzqWordCloud::CopyAsBitmap()
{
    const QImage image = ToImage();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/png"), png);
    mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void TzqWordCloud::CopyAsMetafile()
{
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), ToSvg());
    QGuiApplication::clipboard()->setMimeData(mime);
}
