#pragma once

#include <QLoggingCategory>

/// The learning record: why it is not kept, reads that failed. Off below warnings unless
/// enabled, e.g. QT_LOGGING_RULES="quillmaren.learning.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLearning)
