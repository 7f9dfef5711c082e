#pragma once

#include "platform/diagramview/DiagramDocument.h"

#include <QPair>
#include <QString>

// Small diagrams for the tests: blocks "B0", "B1", ... in a row, 100 units
// apart, and links given as pairs of block indices with labels "L0", "L1", ...
inline DiagramDocument makeDiagram(int blocks, const QList<QPair<int, int>> &links)
{
    DiagramDocument doc;
    for (int i = 0; i < blocks; ++i) {
        BlockData b;
        b.left = i * 100;
        b.top = (i % 2) * 60;
        b.width = 30 + i;
        b.height = 30 + i;
        TextCell label;
        label.text = QStringLiteral("B%1").arg(i);
        label.font = defaultLabelFont(8);
        b.texts.append(label);
        doc.blocks.append(b);
    }
    for (int i = 0; i < links.size(); ++i) {
        LinkData l;
        l.source = links[i].first;
        l.target = links[i].second;
        TextCell label;
        label.text = QStringLiteral("L%1").arg(i);
        label.font = defaultLabelFont(5);
        l.texts.append(label);
        doc.links.append(l);
    }
    return doc;
}

inline QString sampleDiagramPath()
{
    return QStringLiteral(TESSARY_DIAGRAM_DATA "/cooccurrence.json");
}
