#pragma once

#include <QLoggingCategory>

// Word-processor export messages, in the folder's category "tessary.export".
Q_DECLARE_LOGGING_CATEGORY(lcWordExport)
