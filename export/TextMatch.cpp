#include "export/TextMatch.h"

namespace TextMatch {

bool isWholeWord(const QString &text, int start, int size)
{
    const int end = start + size;
    if (start > 0 && text.at(start - 1).isLetterOrNumber())
        return false;
    if (end < text.size() && text.at(end).isLetterOrNumber())
        return false;
    return true;
}

int find(const QString &text, const QString &what, int from, int length, Options options)
{
    if (what.isEmpty() || from < 0 || from > text.size())
        return -1;
    const int end = length < 0 ? int(text.size()) : qMin(int(text.size()), from + length);
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int at = from; at + what.size() <= end;) {
        const int hit = int(text.indexOf(what, at, cs));
        if (hit < 0 || hit + what.size() > end)
            return -1;
        if (!options.wholeWord || isWholeWord(text, hit, int(what.size())))
            return hit;
        at = hit + 1;
    }
    return -1;
}

} // namespace TextMatch
