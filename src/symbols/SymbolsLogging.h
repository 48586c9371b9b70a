#pragma once

#include <QLoggingCategory>

/// The phonetic symbol sets and the free palette. Off unless enabled, e.g.
/// QT_LOGGING_RULES="quillmaren.symbols.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSymbols)
