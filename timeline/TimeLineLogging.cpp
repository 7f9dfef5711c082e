#include "timeline/TimeLineLogging.h"

Q_LOGGING_CATEGORY(lcTimeLine, "tessary.timeline")
