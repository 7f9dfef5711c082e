#include "wordcloud/WordCloudLogging.h"

Q_LOGGING_CATEGORY(lcWordCloud, "tessary.wordcloud")
