#include "platform/paths/Paths.h"

#include "platform/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString temporaryFolder()
{
    // The first of TMPDIR, TEMP, TMP, then the usual system folders, that is a
    // writable folder; the current folder as the last resort. Hosts written in
    // Python find the same folder with tempfile.gettempdir().
    QStringList candidates;
    for (const char *var : {"TMPDIR", "TEMP", "TMP"}) {
        const QString v = qEnvironmentVariable(var);
        if (!v.isEmpty())
            candidates << v;
    }
#ifdef Q_OS_WIN
    candidates << QStringLiteral("C:/TEMP") << QStringLiteral("C:/TMP") << QStringLiteral("/TEMP")
               << QStringLiteral("/TMP");
#else
    candidates << QStringLiteral("/tmp") << QStringLiteral("/var/tmp")
               << QStringLiteral("/usr/tmp");
#endif
    for (const QString &c : candidates) {
        const QFileInfo info(c);
        if (info.isDir() && info.isWritable())
            return QDir(info.absoluteFilePath()).absolutePath() + QLatin1Char('/');
    }
    if (!candidates.isEmpty() && candidates.first() != QStringLiteral("/tmp") &&
        QFileInfo(candidates.first()).isDir())
        return QDir(candidates.first()).absolutePath() + QLatin1Char('/');
    return QDir::currentPath() + QLatin1Char('/');
}

ProgramPaths &paths()
{
    static ProgramPaths p;
    return p;
}

void computeProgramPaths(const QString &programFile)
{
    ProgramPaths &p = paths();
    const QFileInfo program(programFile);
    p.ProgramFolder = program.absolutePath() + QLatin1Char('/');
    p.TempFolder = temporaryFolder();
    p.AppDataPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);

    // "tessary" keeps its settings in "Tessary.INI", as on every platform.
    QString base = program.completeBaseName();
    if (!base.isEmpty())
        base[0] = base[0].toUpper();
    const QString settingsName = base + QStringLiteral(".INI");

    if (!p.AppDataPath.isEmpty()) {
        p.UserDataFolder = p.AppDataPath + QStringLiteral("/Orvane/");
        if (!QDir().mkpath(p.UserDataFolder))
            qCWarning(lcPlatform) << "Cannot create" << p.UserDataFolder;
        if (!QFileInfo::exists(p.UserDataFolder + settingsName))
            CopyFileBlocks(p.ProgramFolder + settingsName, p.UserDataFolder + settingsName);
    } else {
        p.UserDataFolder = p.ProgramFolder;
    }

    // The shared folder is the first system-wide data folder, after the user's own.
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString shared = data.size() > 1 ? data.at(1) : data.value(0, QDir::tempPath());
    p.SharedDataFolder = shared + QStringLiteral("/Orvane/");
    if (!QDir().mkpath(p.SharedDataFolder))
        qCInfo(lcPlatform) << "Cannot create the shared data folder" << p.SharedDataFolder;

    p.SettingsPath = p.UserDataFolder + settingsName;
}

namespace {
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(fa.absoluteFilePath())
               .compare(QDir::cleanPath(fb.absoluteFilePath()), cs) == 0;
}
} // namespace

int CopyFileBlocks(const QString &source, const QString &destination)
{
    if (sameFile(source, destination))
        return CopySameName;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopySourceUnreadable;
    QFile out(destination);
    // Unbuffered, so that a block the disk refuses shows at once as a short write.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return CopyDestinationUncreatable;
    char block[2048];
    for (;;) {
        const qint64 n = in.read(block, sizeof block);
        if (n < 0)
            return CopySourceUnreadable;
        if (n == 0)
            break;
        if (out.write(block, n) != n)
            return CopyShortWrite;
    }
    if (!out.flush())
        return CopyShortWrite;
    return CopyOk;
}
