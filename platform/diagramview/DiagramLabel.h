#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>

class QPainter;

// The laid-out text of a label. Sizes are in diagram units, where a point is
// 96/72 units at every zoom and on every device, so that a label keeps its size
// relative to the blocks on screen, in bitmaps, in SVG and on paper. The font
// used for a device of another resolution is made once and kept.
class DiagramLabel
{
public:
    void set(const QString &text, const QFont &font);
    const QString &text() const { return m_text; }
    const QFont &font() const { return m_font; }
    QSizeF size() const { return m_size; }
    bool isEmpty() const { return m_text.isEmpty(); }
    // Height of one line in diagram units; used to skip text too small to read.
    double lineHeight() const { return m_lineHeight; }
    void draw(QPainter *painter, const QRectF &rect, const QColor &color) const;

private:
    QString m_text;
    QFont m_font;
    QSizeF m_size;
    double m_lineHeight = 0;
    mutable QFont m_deviceFont;
    mutable int m_deviceDpi = 0;
};
