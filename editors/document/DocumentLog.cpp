#include "editors/document/DocumentLog.h"

Q_LOGGING_CATEGORY(lcDocument, "tessary.document", QtWarningMsg)
