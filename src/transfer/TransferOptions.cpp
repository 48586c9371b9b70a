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

std::optional<int> TransferOptions::SetSize(const QString &text, int minimum, int maximum, int Settings::*size,
                                            bool bufferFollowsWhenSeparate, RichBufferFont &buffer)
{
    const std::optional<int> points = SizeFromText(text, minimum, maximum);
    if (points) {
        settings_.*size = *points;
        if (settings_.TransFSFlg == bufferFollowsWhenSeparate)
            buffer.pointSize = *points;
    }
    return points;
}

std::optional<int> TransferOptions::SetMainFontSize(const QString &text)
{
    return SetSize(text, 8, 200, &Settings::MainFontSize, false, buffers_.RichBuffer);
}

std::optional<int> TransferOptions::SetPhoneticFontSize(const QString &text)
{
    return SetSize(text, 9, 40, &Settings::IPAFontSize, false, buffers_.RichBuffer2);
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
    return SetSize(text, 8, 200, &Settings::TransMainFSize, true, buffers_.RichBuffer);
}

std::optional<int> TransferOptions::SetTransferPhoneticSize(const QString &text)
{
    return SetSize(text, 8, 200, &Settings::TransIPAFSize, true, buffers_.RichBuffer2);
}
