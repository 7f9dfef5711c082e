#include "platform/timebar/TimeBarLogging.h"

Q_LOGGING_CATEGORY(lcTimeBar, "tessary.timebar")
