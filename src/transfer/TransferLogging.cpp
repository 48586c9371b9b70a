#include "transfer/TransferLogging.h"

Q_LOGGING_CATEGORY(lcTransfer, "quillmaren.transfer", QtWarningMsg)
