#include "tests/support/TestReport.h"

#include <QDir>
#include <QProcess>
#include <QUuid>

QString testTempDir()
{
    const QString dir = QDir::tempPath() + QStringLiteral("/t-") +
                        QUuid::createUuid().toString(QUuid::Id128).left(12);
    QDir().mkpath(dir);
    return dir;
}

CliResult runCli(const QStringList &args, const QByteArray &stdinData)
{
    CliResult r;
    QProcess p;
    p.start(qEnvironmentVariable("TESSARY_CLI"), args);
    if (!p.waitForStarted(30000)) {
        r.err = "tessary-cli did not start: " + p.errorString().toUtf8();
        return r;
    }
    p.write(stdinData);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        r.err = "tessary-cli did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
