#pragma once

#include "wordcloud/TzqRect.h"
#include "wordcloud/TzqTypes.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

class TzqRandom;

// One weighted word of a cloud: its text, colour and font, the box the layout
// gave it (StartingBounds) and the box where it is shown now (Bounds), its
// glyph outlines and its own ARGB raster.
class TzqWord
{
public:
    TzqWord();
    explicit TzqWord(const QString &text, int weight = 0, TColor textColor = clBlack);

    const QString &Text() const { return m_text; }
    void SetText(const QString &text);
    TColor TextColor() const { return m_textColor; }
    void SetTextColor(TColor color) { m_textColor = color; }
    int Weight() const { return m_weight; }

    // The word's font; its point size is the word's font size.
    QFont Font() const;
    // Copies the font, size included; the box is not measured again.
    void SetFont(const QFont &font);
    int FontSize() const { return m_fontSize; }
    // Sets the font size as a document stores it: nothing is measured and
    // the shadow offset stays as it is.
    void SetStoredFontSize(int size) { m_fontSize = size; }

    const TzqRect &StartingBounds() const { return m_startingBounds; }
    const TzqRect &Bounds() const { return m_bounds; }
    // Moves the shown box only (used when fitting an arrangement to a new size).
    void SetShownBounds(const TzqRect &r) { m_bounds = r; }
    const QRectF &TextRect() const { return m_textRect; }
    float ShadowOffset() const { return m_shadowOffset; }

    const QVector<QPolygonF> &Outline() const { return m_outline; }
    const QVector<QPolygonF> &DrawOutline() const { return m_drawOutline; }
    const QVector<QPolygonF> &ShadowOutline() const { return m_shadowOutline; }
    const QImage &Raster() const { return m_raster; }

    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor color) { m_backColor = color; }
    bool Placed() const { return m_placed; }
    void SetPlaced(bool placed) { m_placed = placed; }
    bool Highlighted() const { return m_highlighted; }
    bool Shadow() const { return m_shadow; }
    void SetShadow(bool shadow) { m_shadow = shadow; }
    bool AtCenter() const { return m_atCenter; }

    // Weight := w, and the font size starts equal to the weight.
    void SetWeight(int w);
    // Sets the font size and measures the box, keeping its centre when it has one.
    void SetFontSize(int size);
    // Puts the box at the centre of the cloud or at a random spot.
    void SetStartPosition(bool atCenter, const TzqRect &cloudRect, TzqRandom &random);
    // Back to an unplaced box of the size given by the weight.
    void ResetWord(const TzqRect &cloudRect, TzqRandom &random);
    // Glyph outlines of the text, and the box grown to hold them and the shadow.
    void BuildOutline();
    // Outline scaled by s and moved into the raster, for the word and its shadow.
    void ScaleOutline(double s);
    void SetBounds(const TzqRect &r);
    // Draws the word (and its shadow) into its raster. A box of more than
    // MaxRasterPixels pixels gets an empty raster and is not drawn.
    static constexpr qint64 MaxRasterPixels = qint64(1) << 25;
    void RenderWord();
    // Stores the flag and renders again when it changed.
    void SetHighlighted(bool flag);

    // Text extent (advance width, line height) of the text at a size, in pixels.
    QSize TextExtent(int size) const;

private:
    const QFont &deviceFont(int size) const;
    void clearCaches();

    QString m_text;
    TColor m_textColor = clBlack;
    int m_weight = 0;
    QFont m_font;
    QFont m_face; // m_font at a fixed size: the key of the shared font cache
    int m_fontSize = 10;
    TzqRect m_startingBounds;
    TzqRect m_bounds;
    QRectF m_textRect;
    float m_shadowOffset = 1.0f;
    QVector<QPolygonF> m_outline;
    QVector<QPolygonF> m_drawOutline;
    QVector<QPolygonF> m_shadowOutline;
    QImage m_raster;
    TColor m_backColor = clWhite;
    bool m_placed = false;
    bool m_highlighted = false;
    bool m_shadow = true;
    bool m_atCenter = true;

    // Measuring and outlining are pure functions of text, font and size;
    // layouts with lowered coverage ask for the same sizes again.
    mutable QHash<int, QSize> m_extentCache;
    QHash<int, QVector<QPolygonF>> m_outlineCache;
};
