#pragma once

#include <QString>

// Finding a text inside a plain text with the two options of the program's
// searches: match case and whole words only. A match is a whole word when the
// characters on either side of it are not letters or digits, the rule the
// document finder uses too, so that comments, node captions and table cells
// match exactly as document text does.
namespace TextMatch {

struct Options
{
    bool matchCase = false;
    bool wholeWord = false;
};

// Position of the first match of what in text that starts at from or later and
// ends at from + length at the latest (length < 0: up to the end); -1 when
// there is none or what is empty.
int find(const QString &text, const QString &what, int from, int length, Options options);
inline int find(const QString &text, const QString &what, Options options)
{
    return find(text, what, 0, -1, options);
}
// Whether the match [start, start + size) of text stands as a whole word.
bool isWholeWord(const QString &text, int start, int size);

} // namespace TextMatch
