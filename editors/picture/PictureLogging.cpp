#include "editors/picture/PictureLogging.h"

// Debug messages are off unless QT_LOGGING_RULES turns them on ("tessary.*.debug=true").
Q_LOGGING_CATEGORY(lcPicture, "tessary.picture", QtInfoMsg)
