#include "wordcloud/WordCloudLogging.h"

// Debug messages (such as a layout's coverage retries) are off unless
// QT_LOGGING_RULES turns them on ("tessary.wordcloud.debug=true").
Q_LOGGING_CATEGORY(lcWordCloud, "tessary.wordcloud", QtInfoMsg)
