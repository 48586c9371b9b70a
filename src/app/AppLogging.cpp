#include "app/AppLogging.h"

Q_LOGGING_CATEGORY(lcStart, "quillmaren.start", QtWarningMsg)
