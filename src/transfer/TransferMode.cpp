#include "transfer/TransferMode.h"

bool TransferMode::IsValid(int storedValue)
{
    const int field = storedValue / 10;
    const int encoding = storedValue % 10;
    return storedValue >= 0 && (field == 0 || field == 1) && encoding <= 3;
}

TransferMode::TransferMode(int storedValue) : value_(IsValid(storedValue) ? storedValue : 0) {}

TransferEncoding TransferMode::Encoding() const
{
    switch (value_ % 10) {
    case 1: return TransferEncoding::HexReferences;
    case 2: return TransferEncoding::DecimalReferences;
    case 3: return TransferEncoding::UnicodeText;
    default: return TransferEncoding::RichText;
    }
}

QString TransferMode::DisplayText() const
{
    switch (Encoding()) {
    case TransferEncoding::HexReferences: return QStringLiteral("16進数値");
    case TransferEncoding::DecimalReferences: return QStringLiteral("10進数値");
    case TransferEncoding::UnicodeText: return QStringLiteral("ユニコード");
    default: return QStringLiteral("リッチテキスト");
    }
}
