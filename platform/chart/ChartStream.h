#pragma once

#include <QByteArray>
#include <QJsonObject>

class TChart;

// The chart's own stream: UTF-8 JSON {"format":"tessary-chart","version":1,...}
// with the series' data, the axes and the view. Chart files (".kcx") hold the
// same bytes. The reader refuses what is not such a stream with a TessaryError
// and otherwise takes what it can: unknown keys are ignored, bad values fall
// back to defaults, short columns give fewer points.
class ChartStream
{
public:
    static QByteArray write(const TChart &chart);
    static void read(TChart &chart, const QByteArray &bytes);
    static constexpr int kVersion = 1;
};
