#include "symbols/SymbolsLogging.h"

Q_LOGGING_CATEGORY(lcSymbols, "quillmaren.symbols", QtWarningMsg)
