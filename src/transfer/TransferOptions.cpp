#include "transfer/TransferOptions.h"

#include "app/LanguageState.h"

void TransferOptions::SetMainFont(const QString &family)
{
    settings_.MainFont = family;
    buffers_.RichBuffer.fontName = family;
}

void TransferOptions::SetPhoneticFont(const QString &family)
{
    settings_.IPAFont = family;
    buffers_.RichBuffer2.fontName = family;
}

std::optional<int> TransferOptions::SetMainFontSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 8, 200);
    if (size) {
        settings_.MainFontSize = *size;
        if (!settings_.TransFSFlg)
            buffers_.RichBuffer.pointSize = *size;
    }
    return size;
}

std::optional<int> TransferOptions::SetPhoneticFontSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 9, 40);
    if (size) {
        settings_.IPAFontSize = *size;
        if (!settings_.TransFSFlg)
            buffers_.RichBuffer2.pointSize = *size;
    }
    return size;
}

void TransferOptions::SetSeparateSizes(bool on)
{
    settings_.TransFSFlg = on;
    if (on)
        return;
    settings_.TransMainFSize = settings_.MainFontSize;
    settings_.TransIPAFSize = settings_.IPAFontSize;
    buffers_.RichBuffer.pointSize = settings_.MainFontSize;
    buffers_.RichBuffer2.pointSize = settings_.IPAFontSize;
}

std::optional<int> TransferOptions::SetTransferMainSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 8, 200);
    if (size) {
        settings_.TransMainFSize = *size;
        if (settings_.TransFSFlg)
            buffers_.RichBuffer.pointSize = *size;
    }
    return size;
}

std::optional<int> TransferOptions::SetTransferPhoneticSize(const QString &text)
{
    const std::optional<int> size = SizeFromText(text, 8, 200);
    if (size) {
        settings_.TransIPAFSize = *size;
        if (settings_.TransFSFlg)
            buffers_.RichBuffer2.pointSize = *size;
    }
    return size;
}
