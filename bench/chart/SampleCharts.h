#pragma once

#include <QString>

class TChart;

// The charts the benchmark times and the sample pictures show: built with the
// engine's own calls, as a host's data would arrive.
namespace SampleCharts {
void barChart(TChart &chart);
void pieChart(TChart &chart);
void lineChart(TChart &chart);
// A scatter of a noisy logarithmic relation; fittedInfo receives a PageInfo
// whose fourth field describes the fitted model.
void scatterChart(TChart &chart, QString *fittedInfo);
void cloudChart(TChart &chart, int points);
void manyLines(TChart &chart, int series, int points, bool bars);
} // namespace SampleCharts
