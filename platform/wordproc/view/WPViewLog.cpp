#include "platform/wordproc/view/WPViewLog.h"

Q_LOGGING_CATEGORY(lcWPView, "tessary.wpview", QtWarningMsg)
