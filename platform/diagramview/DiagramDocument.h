#pragma once

#include "platform/diagramview/DiagramTypes.h"

#include <QList>
#include <QPageLayout>

// The plain content of a diagram, as the stream holds it: the blocks and links in
// their order, the zoom and the page settings. The stream reader fills one of
// these completely before anything on screen changes, so that a stream it
// refuses leaves the shown diagram as it was.
struct BlockData
{
    QString id; // optional name that links may use instead of the index
    double left = 0;
    double top = 0;
    double width = 30;
    double height = 30;
    BlockShape shape = BlockShape::Rectangle;
    QColor color = QColor(0x9c, 0xc3, 0xe6); // end colour of the fill gradient
    QColor gradientStart = Qt::white;
    QColor borderColor = QColor(0x40, 0x40, 0x40);
    double borderWidth = 1;
    QList<TextCell> texts;
};

struct LinkData
{
    int source = -1; // block indices
    int target = -1;
    double penWidth = 1;
    QColor penColor = Qt::black;
    LinkStyle style = LinkStyle::Solid;
    QList<TextCell> texts;
};

struct DiagramDocument
{
    QList<BlockData> blocks;
    QList<LinkData> links;
    int zoom = 100;
    QPageLayout page = defaultPageLayout();

    // Letter, portrait, 25.4 mm margins on every side.
    static QPageLayout defaultPageLayout()
    {
        return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                           QMarginsF(25.4, 25.4, 25.4, 25.4), QPageLayout::Millimeter);
    }
};
