#include "export/WordExportLog.h"

Q_LOGGING_CATEGORY(lcWordExport, "tessary.export", QtWarningMsg)
