#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One line of a word list: the word and its weight (or count).
struct TzqWordLine
{
    QString text;
    int weight = 0;
};

// The word list a host gives the word-cloud command: UTF-8 text, one word per
// line as the word, a tab and a positive whole number; empty lines and lines
// starting with # are skipped; CR LF line ends are accepted.
namespace TzqWordList {
// Throws TessaryError naming source and the line at the first malformed line,
// or when the list holds no words.
QVector<TzqWordLine> parse(const QByteArray &utf8, const QString &source);
} // namespace TzqWordList
