#include "store/PageContent.h"

#include "platform/TessaryError.h"
#include "store/PageKind.h"

#include <QFileInfo>

void PageContent::loadFile(const QString &fileName)
{
    throw TessaryError(
        QCoreApplication::translate("TDM", "Pages of this kind cannot be made from the file %1.")
            .arg(QFileInfo(fileName).fileName()));
}

void PageContent::saveToFile(const QString &fileName)
{
    throw TessaryError(
        QCoreApplication::translate("TDM", "Pages of this kind cannot be written as \"%1\".")
            .arg(QFileInfo(fileName).suffix()));
}

QImage PageContent::renderImage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

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
