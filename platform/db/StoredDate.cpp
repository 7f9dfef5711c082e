#include "platform/db/StoredDate.h"

QDateTime parseStoredDate(const QString &text)
{
    // Longer than any date: not worth trying the formats.
    if (text.size() > 64)
        return QDateTime();
    for (const char *format : {"yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                               "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime d = QDateTime::fromString(text, QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}
