#include "platform/db/FieldDef.h"

QString declaredForm(const FieldDef &f)
{
    auto compressed = [&](const char *base) {
        return f.compressionLevel > 0
                   ? QStringLiteral("%1_Z%2").arg(QLatin1String(base)).arg(f.compressionLevel)
                   : QString::fromLatin1(base);
    };
    switch (f.type) {
    case FieldType::AutoInc:
        return QStringLiteral("AUTOINC");
    case FieldType::Integer:
        return QStringLiteral("INTEGER");
    case FieldType::DateTime:
        return QStringLiteral("DATETIME");
    case FieldType::Memo:
        return compressed("MEMO");
    case FieldType::Blob:
        return compressed("BLOB");
    }
    return QStringLiteral("BLOB");
}
