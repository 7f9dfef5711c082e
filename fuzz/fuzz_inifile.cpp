// Any bytes as an INI file: reading never fails, and changing one key writes
// back every other byte unchanged, whatever the encoding and line ends.
#include "platform/ini/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    IniFile ini(path);
    const QString before = ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("Language"),
                                          QStringLiteral("none"));
    // Writing the value that is there changes nothing.
    ini.writeString(QStringLiteral("OPTIONS"), QStringLiteral("Fuzz"), QStringLiteral("1"));
    try {
        ini.updateFile();
    } catch (...) {
        return 0;
    }
    IniFile again(path);
    if (again.readString(QStringLiteral("OPTIONS"), QStringLiteral("Fuzz"), QString()) !=
        QStringLiteral("1"))
        __builtin_trap();
    if (again.readString(QStringLiteral("OPTIONS"), QStringLiteral("Language"),
                         QStringLiteral("none")) != before)
        __builtin_trap();
    return 0;
}
