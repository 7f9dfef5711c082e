#include "WordExportChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace WordExportChecks {

namespace {

QByteArray run(const QString &program, const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit ||
        p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return QByteArray();
    }
    return p.readAllStandardOutput();
}

} // namespace

QByteArray zipMember(const QString &zip, const QString &member)
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
}

QStringList zipMembers(const QString &zip)
{
    return QString::fromUtf8(run(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}))
        .split(u'\n', Qt::SkipEmptyParts);
}

bool haveTool(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QStringList toPdf(const QStringList &files, const QString &outDir)
{
    const QString profile =
        QUrl::fromLocalFile(outDir + QStringLiteral("/lo-profile")).toString(QUrl::FullyEncoded);
    run(QStringLiteral("soffice"),
        QStringList{QStringLiteral("--headless"), QStringLiteral("--norestore"),
                    QStringLiteral("-env:UserInstallation=") + profile,
                    QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                    QStringLiteral("--outdir"), outDir} +
            files,
        280000);
    // LibreOffice exits 0 even when it wrote nothing: the files tell.
    QStringList pdfs;
    for (const QString &file : files) {
        const QString pdf =
            outDir + u'/' + QFileInfo(file).completeBaseName() + QStringLiteral(".pdf");
        pdfs << (QFileInfo(pdf).size() > 0 ? pdf : QString());
    }
    return pdfs;
}

QString pdfText(const QString &pdf)
{
    const QString text = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    return text.simplified();
}

int pdfImageCount(const QString &pdf)
{
    const QByteArray list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    if (list.isEmpty())
        return -1;
    // Two header lines, then one line per picture.
    return int(list.trimmed().count('\n')) - 1;
}

} // namespace WordExportChecks
