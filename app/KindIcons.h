#pragma once

#include <QHash>
#include <QIcon>

// The icons of the tree's node kinds, drawn once: a coloured tile with the
// kind's letter, a folder for folders and a book for the report root.
namespace KindIcons {
const QHash<int, QIcon> &all();
}
