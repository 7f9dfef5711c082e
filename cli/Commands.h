#pragma once

#include <QStringList>
#include <QTextStream>

// One sub-command of tessary-cli. args holds the words after the command name;
// the result is the process exit code (0 success, 1 failure of the work,
// 2 wrong usage). Errors are written to err, results to out. A command prints
// its help text when args contains --help.
using CliCommandRun = int (*)(const QStringList &args, QTextStream &out, QTextStream &err);

// How much of the window system a command needs: none (no fonts are loaded),
// painting (fonts, pictures) or widgets (page editors drawn offscreen).
enum class CliNeeds
{
    Nothing,
    Painting,
    Widgets
};

struct CliCommand
{
    const char *name;
    const char *summary;
    CliCommandRun run;
    CliNeeds needs;
};

int cmdNew(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdAdd(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdList(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdCat(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdTree(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdCopy(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdSignal(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdWordCloud(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdImport(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdSave(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdFind(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdRender(const QStringList &args, QTextStream &out, QTextStream &err);
int cmdExport(const QStringList &args, QTextStream &out, QTextStream &err);
