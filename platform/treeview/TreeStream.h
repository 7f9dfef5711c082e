#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// "No colour" in the 0x00BBGGRR colour values of the report.
constexpr quint32 NoColour = 0x1FFFFFFF;

// One node of a report tree as it is stored: caption, kind (also its icon),
// data word (page id, -1 for folders, the remembered selection for the root),
// colours and children in display order.
struct TreeNodeRecord
{
    QString text;
    int kind = 0;
    qint32 data = 0;
    bool ownColours = false;
    quint32 backColour = NoColour;    // 0x00BBGGRR
    quint32 rowBackColour = NoColour; // 0x00BBGGRR
    QVector<TreeNodeRecord> children;
};

// The stored form of a tree: JSON {"format":"tessary-tree","version":1,"nodes":[...]}
// with nested nodes. An empty stream is an empty tree.
namespace TreeStream {
QByteArray write(const QVector<TreeNodeRecord> &topLevel);
// Throws TessaryError when the bytes are not a tree stream this program understands.
QVector<TreeNodeRecord> read(const QByteArray &bytes);
// Number of nodes in the forest, all levels counted.
int countNodes(const QVector<TreeNodeRecord> &nodes);
} // namespace TreeStream
