#pragma once

#include "timeline/TimeLineDocument.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// The timeline text: one record per line (ended by CR LF), fields separated by
// a tab, the first field naming the record: "BackGround", "LineBar",
// "Indicator", "Timeline Font", "Event font", "Image", "Max Range", "Range",
// then one "Event" per event (annotation, hint, position, description, image
// index, annotation colour). Tabs inside a description are written as
// backspace characters; a line break inside a text field as U+2028.
//
// Reading goes on after a bad line: every line that cannot be read is named
// with its number in Problems and the rest loads. A date that does not fit the
// locale but fits other date settings is reported as such, never read as a
// different day.
class TimeLineText
{
public:
    static QString Write(const TimeLineDocument &doc, const QLocale &locale = QLocale());
    static TimeLineDocument Read(const QString &text, const QLocale &locale = QLocale());
    // Field n (1-based) of a tab-separated line; empty when there are too few tabs.
    static QString Field(const QString &line, int n);
    // Text of stored bytes: UTF-8, or Latin-1 when the bytes are not UTF-8.
    static QString Decode(const QByteArray &bytes);
};
