#include "platform/Logging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.*.debug=true").
Q_LOGGING_CATEGORY(lcPlatform, "tessary.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDb, "tessary.db", QtInfoMsg)
