#include "store/PageContent.h"

#include "store/PageKind.h"

void PageContent::loadFile(const QString &) {}

EditorSlot editorSlotForKind(int kind)
{
    switch (kind) {
    case PageKind::Document:
    case PageKind::HostDocument5:
    case PageKind::HostDocument6:
    case PageKind::HostDocument7:
        return EditorSlot::Document;
    case PageKind::Table:
        return EditorSlot::Table;
    case PageKind::Chart:
        return EditorSlot::Chart;
    case PageKind::Picture:
        return EditorSlot::Picture;
    case PageKind::Timeline:
        return EditorSlot::Timeline;
    case PageKind::Diagram:
        return EditorSlot::Diagram;
    case PageKind::WordCloud:
        return EditorSlot::WordCloud;
    default:
        return EditorSlot::None;
    }
}
