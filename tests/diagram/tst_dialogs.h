#pragma once

#include <QObject>

class TestDiagramDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void blockChangesLeaveLinksAlone();
    void typingLabelUpdatesAtEachKeystroke();
    void linkChangesAndFonts();
    void applyOnlyWhileVisible();
    void nodeSizeSlider();
    void linkWidthsFollowLabels();
    void getEdgeSize();
    void labelThatIsNotANumber();
    void keptValues();
};
