#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A fresh, empty folder under the test's temporary folder.
QString testTempDir();

struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs tessary-cli (named by the environment variable TESSARY_CLI) as a separate
// process, with stdinData on its standard input.
CliResult runCli(const QStringList &args, const QByteArray &stdinData = {});
