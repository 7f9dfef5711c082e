#pragma once

#include <QObject>

// The simplified drawing of the diagram canvas below 50 %.
class TestDiagramOverview : public QObject
{
    Q_OBJECT
private slots:
    void everyBlockShowsWhenZoomedFarOut();
    void overviewLooksLikeItemDrawing();
    void fullZoomDrawsItemsUnchanged();
    void handlesAndChangesShowAtSmallZoom();
    void rubberBandDrawnOnTop();
    void sampleZoomedOut();
};
