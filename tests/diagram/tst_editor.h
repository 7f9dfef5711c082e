#pragma once

#include <QObject>

class TestDiagramEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void deleteTakesAttachedLinksInOrder();
    void zoomSteps();
    void contextMenuOnlyWithSelection();
    void editDialogWithTwoBlocks();
    void editDialogWithLinksOnly();
    void loadAndSaveContent();
    void malformedContentLeavesPage();
    void filesInAndOut();
    void copyMenu();
    void toolbarActions();
    void eventsSetPageModified();
};
