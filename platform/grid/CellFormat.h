#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QString>

// The formatting of one cell. Unset members (empty name, size 0, invalid
// colours) fall back to the grid's defaults, so most cells share the default
// format and a grid of many cells holds only a few distinct formats.
struct CellFormat
{
    // Bits of fontStyle. The editor speaks of styles 0, 1, 2 (bold, italic,
    // underline); the bit of style s is 1 << s.
    enum Style
    {
        Bold = 1,
        Italic = 2,
        Underline = 4,
        StrikeOut = 8
    };
    // Horizontal alignment values as the editor uses them.
    enum Alignment
    {
        Left = 0,
        Right = 1,
        Center = 2
    };

    QString fontName;
    int fontSize = 0;
    QColor fontColor;
    int fontStyle = 0;
    QColor backColor;
    int alignment = Left;
    QColor borderColor;

    bool isDefault() const;
    bool operator==(const CellFormat &o) const;
    bool operator!=(const CellFormat &o) const { return !(*this == o); }

    // Qt alignment flags for the horizontal alignment (vertically centred).
    Qt::Alignment qtAlignment() const;
    // "left", "right", "center" and back (unknown names give Left).
    static QString alignmentName(int alignment);
    static int alignmentFromName(const QString &name);
};

size_t qHash(const CellFormat &f, size_t seed = 0);
