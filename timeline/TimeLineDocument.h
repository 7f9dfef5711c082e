#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

// One event of the timeline text.
struct TimeLineEvent
{
    QString Annotation;
    QString Hint;
    QDateTime Position;
    QString Description;
    int ImageIndex = -1;
    std::optional<quint32> AnnotationColor; // 0x00BBGGRR; none: the default indicator's
};

// A line of the text that could not be read, or read with a doubt.
struct TimeLineProblem
{
    int Line = 0; // 1-based
    QString Message;
};

// The initial look of a timeline (0x00BBGGRR), written for values a document does not set.
namespace TimeLineDefaults {
constexpr quint32 BackColor = 0x984E00;
constexpr quint32 BackColorTo = 0xFFF0D2;
constexpr quint32 BarColor = 0xFFEFE3;
constexpr quint32 BarColorTo = 0xFFD2AF;
constexpr quint32 IndicatorColor = 0xAAD9FF;
} // namespace TimeLineDefaults

// What the timeline text carries. On reading, a value the text did not set (or
// could not be read) stays empty, so that the control keeps its own.
struct TimeLineDocument
{
    std::optional<quint32> BackColor, BackColorTo;
    std::optional<quint32> BarColor, BarColorTo;
    std::optional<quint32> IndicatorColor;
    std::optional<bool> IndicatorRounded;
    QString TimelineFont; // font descriptions (written; not applied on reading)
    QString EventFont;
    int ImageWidth = 16;
    int ImageHeight = 16;
    std::optional<QDateTime> MinimumRange, MaximumRange;
    std::optional<QDateTime> RangeFrom, RangeTo;
    QVector<TimeLineEvent> Events;

    // Filled on reading.
    QVector<TimeLineProblem> Problems;
    int Records = 0; // lines whose record name was recognised
};
