// Any bytes as a word list: a list of words with positive weights, or a
// TessaryError naming the line; never a crash or a hang.
#include "platform/TessaryError.h"
#include "wordcloud/TzqWordList.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const QVector<TzqWordLine> words = TzqWordList::parse(
            QByteArray(reinterpret_cast<const char *>(data), int(size)), QStringLiteral("fuzz"));
        for (const TzqWordLine &w : words)
            if (w.weight < 1 || w.text.trimmed().isEmpty())
                __builtin_trap();
    } catch (const TessaryError &) {
    }
    return 0;
}
