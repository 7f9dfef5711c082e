#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>

// Where an indicator's annotation box sits: above the bar or below it.
enum TAnnotationPosition
{
    apOnTop,
    apAtBottom
};

// The shape drawn for an indicator on the edge of the bar.
enum TIndicatorShape
{
    isTriangleDown,
    isTriangleUp,
    isDiamond,
    isCircle,
    isSquare
};

// A two-colour vertical gradient (Color at the top, ColorTo at the bottom).
struct TTimeBarFill
{
    QColor Color;
    QColor ColorTo;
};

// One dated event on the time bar: its indicator shape and the annotation box
// that names it. Position is a wall-clock date-time (kept with Qt::UTC so that
// no daylight-saving gap or fold ever moves it).
struct TTimeBarIndicator
{
    QString Annotation;
    QString Hint;
    QDateTime Position;
    int Tag = 0;
    int AnnotationImageIndex = -1;

    QColor AnnotationColor = QColor(0xFF, 0xD9, 0xAA);
    QColor AnnotationTextColor = Qt::black;
    QColor AnnotationLineColor = Qt::black;
    bool AnnotationRounded = true;
    TAnnotationPosition AnnotationPosition = apOnTop;

    QColor Color = QColor(0xFF, 0xD9, 0xAA);
    QColor ColorTo = QColor(0xFF, 0xD9, 0xAA);
    QColor BorderColor = Qt::black;
    TIndicatorShape Shape = isTriangleDown;
    int Size = 8;
    bool ShowTickMark = false;
};
