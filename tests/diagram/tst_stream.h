#pragma once

#include <QObject>

class TestDiagramStream : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEverything();
    void sceneRoundTrip();
    void sampleFileLoads();
    void malformedStreamsAreRefusedAndLeaveTheDiagram_data();
    void malformedStreamsAreRefusedAndLeaveTheDiagram();
    void lenientAboutTheRest();
};
