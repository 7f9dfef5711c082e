#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of an external command-line tool: found on PATH, started in a working
// folder, waited for at most a given time, and stopped when it takes longer.
class ToolProcess
{
public:
    // program: the executable names to look for on PATH, first found wins.
    // package: the Debian package that provides it, named in the "missing" message.
    ToolProcess(const QString &displayName, const QStringList &programs, const QString &package);

    bool available() const;
    QString executable() const;

    // Runs the tool with args in workDir. Throws TessaryError when the tool is missing,
    // cannot start, exits with an error (its first lines of error output are quoted) or
    // runs longer than timeoutMs. what names the file being converted, for the messages.
    QByteArray run(const QStringList &args, const QString &workDir, int timeoutMs,
                   const QString &what) const;

private:
    QString m_displayName;
    QStringList m_programs;
    QString m_package;
};
