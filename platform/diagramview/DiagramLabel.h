#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QSizeF>
#include <QString>

class QPainter;

// The laid-out text of a label, centred line by line. Sizes are in diagram
// units, where a point is 96/72 units at every zoom and on every device, so that
// a label keeps its size relative to the blocks on screen, in bitmaps, in SVG
// and on paper. The text is shaped once, when it is set: raster devices draw
// the kept glyph runs; other devices (SVG, printers) get the text itself.
class DiagramLabel
{
public:
    void set(const QString &text, const QFont &font);
    const QString &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    QSizeF size() const { return m_size; }
    // Height of one line in diagram units; used to skip text too small to read.
    double lineHeight() const { return m_lineHeight; }
    // Whether a line of the label is tall enough on a device whose pixels are
    // lod units of the diagram to be read; smaller labels are not drawn.
    bool readableAt(double lod) const { return m_lineHeight * lod >= MinReadablePixels; }
    static constexpr double MinReadablePixels = 4.0;
    void draw(QPainter *painter, const QRectF &rect, const QColor &color) const;

private:
    QString m_text;
    QFont m_font;
    QSizeF m_size;
    double m_lineHeight = 0;
    QList<QGlyphRun> m_runs; // positioned from the label's top left corner
    mutable QFont m_deviceFont;
    mutable int m_deviceDpi = 0;
};
