#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "tessary.platform")
Q_LOGGING_CATEGORY(lcDb, "tessary.db")
