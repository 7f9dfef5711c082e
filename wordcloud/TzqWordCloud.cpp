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

QImage TzqWordCloud::ToImage()
{
    QImage image(size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    PaintTo(painter, image.rect());
    return image;
}

QByteArray TzqWordCloud::ToSvg()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
    {
        // The painter is released before the picture is used.
        QPainter painter(&generator);
        PaintTo(painter, rect());
    }
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
