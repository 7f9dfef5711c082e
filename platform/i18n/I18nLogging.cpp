#include "platform/i18n/I18nLogging.h"

Q_LOGGING_CATEGORY(lcI18n, "tessary.i18n")
