#include "diagram/DiagramLogging.h"

Q_LOGGING_CATEGORY(lcDiagram, "tessary.diagram", QtInfoMsg)
