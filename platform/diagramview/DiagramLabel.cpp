#include "platform/diagramview/DiagramLabel.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>

namespace {
constexpr int UnitsPerInch = 96;
// Room on either side of the text.
constexpr double SidePadding = 1;

// A device of 96 dots per inch on which labels are measured and shaped.
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
    m_runs.clear();
    m_size = QSizeF();
    const QFontMetricsF fm(font, referenceDevice());
    m_lineHeight = fm.height();
    if (text.isEmpty())
        return;

    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font, referenceDevice());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<QTextLine> lines;
    double width = 0;
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(1.0e6);
        line.setPosition(QPointF(0, y));
        y += line.height();
        width = std::max(width, line.naturalTextWidth());
        lines.append(line);
    }
    layout.endLayout();
    for (QTextLine &line : lines)
        line.setPosition(QPointF(SidePadding + (width - line.naturalTextWidth()) / 2, line.y()));
    m_runs = layout.glyphRuns();
    m_size = QSizeF(width + 2 * SidePadding, y);
}

void DiagramLabel::draw(QPainter *painter, const QRectF &rect, const QColor &color) const
{
    if (m_text.isEmpty())
        return;
    painter->setPen(color);
    const QPaintEngine *engine = painter->paintEngine();
    if (engine && engine->type() == QPaintEngine::Raster) {
        const QPointF origin(rect.center().x() - m_size.width() / 2,
                             rect.center().y() - m_size.height() / 2);
        for (const QGlyphRun &run : m_runs)
            painter->drawGlyphRun(origin, run);
        return;
    }
    // Vector devices keep the text as text; the font is scaled so that a point
    // stays 96/72 units whatever the device's resolution.
    const int dpi = painter->device()->logicalDpiY();
    if (dpi != m_deviceDpi) {
        m_deviceFont = m_font;
        if (dpi != UnitsPerInch && dpi > 0 && m_font.pointSizeF() > 0)
            m_deviceFont.setPointSizeF(m_font.pointSizeF() * UnitsPerInch / dpi);
        m_deviceDpi = dpi;
    }
    painter->setFont(m_deviceFont);
    painter->drawText(rect, Qt::AlignCenter, m_text);
}
