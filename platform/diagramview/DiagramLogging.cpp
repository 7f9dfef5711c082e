#include "platform/diagramview/DiagramLogging.h"

Q_LOGGING_CATEGORY(lcDiagramView, "tessary.diagramview", QtInfoMsg)
