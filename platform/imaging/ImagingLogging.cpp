#include "platform/imaging/ImagingLogging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.*.debug=true").
Q_LOGGING_CATEGORY(lcImaging, "tessary.imaging", QtInfoMsg)
