#include "platform/diagramview/DiagramLabel.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace {
constexpr int UnitsPerInch = 96;

// A device of 96 dots per inch on which labels are measured.
const QPaintDevice *referenceDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32_Premultiplied);
        i.setDotsPerMeterX(qRound(UnitsPerInch / 0.0254));
        i.setDotsPerMeterY(qRound(UnitsPerInch / 0.0254));
        return i;
    }();
    return &image;
}
} // namespace

void DiagramLabel::set(const QString &text, const QFont &font)
{
    m_text = text;
    m_font = font;
    m_deviceDpi = 0;
    const QFontMetricsF fm(font, referenceDevice());
    m_lineHeight = fm.height();
    m_size = text.isEmpty()
                 ? QSizeF()
                 : fm.boundingRect(QRectF(), Qt::AlignCenter, text).size() + QSizeF(2, 0);
}

void DiagramLabel::draw(QPainter *painter, const QRectF &rect, const QColor &color) const
{
    if (m_text.isEmpty())
        return;
    const int dpi = painter->device()->logicalDpiY();
    if (dpi != m_deviceDpi) {
        m_deviceFont = m_font;
        if (dpi != UnitsPerInch && dpi > 0 && m_font.pointSizeF() > 0)
            m_deviceFont.setPointSizeF(m_font.pointSizeF() * UnitsPerInch / dpi);
        m_deviceDpi = dpi;
    }
    painter->setFont(m_deviceFont);
    painter->setPen(color);
    painter->drawText(rect, Qt::AlignCenter, m_text);
}
