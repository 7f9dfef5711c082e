// Any bytes given to the timeline text reader give a document, with every
// problem naming a line of the text; the document written again reads back
// without problems and with the same events.
#include "timeline/TimeLineText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    const QLocale &locale = locales[data[0] % 3];
    const QString text =
        TimeLineText::Decode(QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));
    const TimeLineDocument doc = TimeLineText::Read(text, locale);
    const int lines = int(text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r'))) + 1;
    for (const TimeLineProblem &p : doc.Problems)
        if (p.Line < 1 || p.Line > lines)
            __builtin_trap();

    const TimeLineDocument again = TimeLineText::Read(TimeLineText::Write(doc, locale), locale);
    if (!again.Problems.isEmpty() || again.Events.size() != doc.Events.size())
        __builtin_trap();
    for (int i = 0; i < doc.Events.size(); ++i)
        if (again.Events[i].Position != doc.Events[i].Position ||
            again.Events[i].Description != doc.Events[i].Description)
            __builtin_trap();
    return 0;
}
