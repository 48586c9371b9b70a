#pragma once

#include <QLoggingCategory>

/// The transfer, the target watch and the automatic paste. Off unless enabled, e.g.
/// QT_LOGGING_RULES="quillmaren.transfer.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)
