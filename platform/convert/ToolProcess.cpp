#include "platform/convert/ToolProcess.h"

#include "platform/TessaryError.h"
#include "platform/convert/ConvertLogging.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

ToolProcess::ToolProcess(const QString &displayName, const QStringList &programs,
                         const QString &package)
    : m_displayName(displayName), m_programs(programs), m_package(package)
{
}

QString ToolProcess::executable() const
{
    for (const QString &program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool ToolProcess::available() const
{
    return !executable().isEmpty();
}

QByteArray ToolProcess::run(const QStringList &args, const QString &workDir, int timeoutMs,
                            const QString &what) const
{
    const QString program = executable();
    if (program.isEmpty())
        throw TessaryError(QCoreApplication::translate(
                               "Converters", "%1 is needed to convert \"%2\" but is not installed. "
                                             "Install the Debian package \"%3\".")
                               .arg(m_displayName, what, m_package));
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProgram(program);
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    qCDebug(lcConvert) << "running" << program << args;
    process.start();
    if (!process.waitForStarted(std::max(1000, timeoutMs)))
        throw TessaryError(QCoreApplication::translate(
                               "Converters", "%1 could not be started to convert \"%2\": %3")
                               .arg(m_displayName, what, process.errorString()));
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        throw TessaryError(
            QCoreApplication::translate(
                "Converters",
                "%1 did not finish converting \"%2\" within %3 seconds and was stopped.")
                .arg(m_displayName, what)
                .arg(QString::number(timeoutMs / 1000.0, 'g', 3)));
    }
    const QByteArray err = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString detail = QString::fromLocal8Bit(err).trimmed();
        const QStringList lines = detail.split(u'\n', Qt::SkipEmptyParts);
        detail = lines.mid(0, 3).join(QStringLiteral(" "));
        if (detail.isEmpty())
            detail = process.exitStatus() != QProcess::NormalExit
                         ? QCoreApplication::translate("Converters", "it stopped abnormally")
                         : QCoreApplication::translate("Converters", "exit code %1")
                               .arg(process.exitCode());
        throw TessaryError(
            QCoreApplication::translate("Converters", "%1 could not convert \"%2\": %3")
                .arg(m_displayName, what, detail));
    }
    return process.readAllStandardOutput();
}
