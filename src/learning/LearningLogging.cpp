#include "learning/LearningLogging.h"

Q_LOGGING_CATEGORY(lcLearning, "quillmaren.learning", QtWarningMsg)
