#pragma once

#include <QLoggingCategory>

/// Start-up: data folders, the first-run install, the parameter file. Off unless enabled, e.g.
/// QT_LOGGING_RULES="quillmaren.start.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcStart)
