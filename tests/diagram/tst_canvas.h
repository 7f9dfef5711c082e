#pragma once

#include <QObject>

class TestDiagramCanvas : public QObject
{
    Q_OBJECT
private slots:
    void linksEndAtOutlinesAndFollowBlocks();
    void deletingBlockDeletesItsLinks();
    void zoomAndZoomToRect();
    void modesAndWheel();
    void mouseSelectMoveAndRubberBand();
    void keyboardActions();
    void linkLabelsToggle();
    void bitmapRendering();
    void svgRenderingHoldsBlocks();
    void pageSettingsAndPrint();
    void sampleRendersWell();
    void aLoadedDiagramShowsItsStart();
};
