#include "editors/table/TableLogging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.table.debug=true").
Q_LOGGING_CATEGORY(lcTable, "tessary.table", QtInfoMsg)
