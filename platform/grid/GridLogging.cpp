#include "platform/grid/GridLogging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.grid.debug=true").
Q_LOGGING_CATEGORY(lcGrid, "tessary.grid", QtInfoMsg)
