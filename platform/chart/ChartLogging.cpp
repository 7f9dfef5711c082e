#include "platform/chart/ChartLogging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.chart.debug=true").
Q_LOGGING_CATEGORY(lcChart, "tessary.chart", QtInfoMsg)
