// Any text as a stored page date: a valid date or an invalid one, never a crash
// or a hang; a valid one written back in the stored form reads the same.
#include "platform/db/StoredDate.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QDateTime d = parseStoredDate(text);
    if (d.isValid()) {
        const QString stored = d.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
        const QDateTime again = parseStoredDate(stored);
        if (!again.isValid() || again.date() != d.date())
            __builtin_trap();
    }
    return 0;
}
