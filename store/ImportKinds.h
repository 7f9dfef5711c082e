#pragma once

#include <QString>
#include <QStringList>

// Which page kind a file becomes when it is imported: the one table of file
// extensions that the tree's import command and tessary-cli import share.
namespace PageKind {
// The page kind made from fileName, chosen by its extension (after the last
// dot, any case); -1 when no page kind is made from files of that extension or
// the name has none.
int kindForFile(const QString &fileName);
// The extensions (lower case, without the dot) that kindForFile knows, in the
// order of the table, optionally only those of one kind (-1: all).
QStringList importExtensions(int kind = -1);
} // namespace PageKind
