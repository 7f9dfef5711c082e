#pragma once

#include "platform/timebar/TTimeBarIndicator.h"

#include <QFont>

// Unit of the division scale drawn on the bar.
enum TDivisionType
{
    dtMinute,
    dtHour,
    dtDay,
    dtMonth,
    dtYear
};

// How the dates on the bar look. The formats use QLocale's date-format
// notation ("hh:mm", "MMM", "yyyy"); a line break in a format gives a label on
// two lines.
struct TTimeBarRangeAppearance
{
    QFont DivisionFont;
    QFont SubDivisionFont;
    QColor DivisionFontColor = QColor(0x20, 0x20, 0x30);
    QColor SubDivisionFontColor = QColor(0x50, 0x50, 0x60);
    QColor DivisionColor = QColor(0x40, 0x40, 0x50);
    QColor SubDivisionColor = QColor(0x80, 0x80, 0x90);
    QString DivisionFormat;
    QString SubDivisionFormat;
};

// The bar itself: its gradient, border, height and the font of the annotations.
struct TTimeBarBar
{
    TTimeBarFill Fill;
    QColor BorderColor = QColor(0x70, 0x80, 0x98);
    QFont AnnotationFont;
    int Height = 42;
};
