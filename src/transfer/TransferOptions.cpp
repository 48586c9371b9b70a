#include "transfer/TransferOptions.h"

#include "app/LanguageState.h"

void TransferOptions::SetMainFont(const QString &family)
{
    settings_.Change([&](Settings &s) { s.MainFont = family; });
    buffers_.RichBuffer.fontName = family;
}

void TransferOptions::SetPhoneticFont(const QString &family)
{
    settings_.Change([&](Settings &s) { s.IPAFont = family; });
    buffers_.RichBuffer2.fontName = family;
}

std::optional<int> TransferOptions::SetSize(const QString &text, int minimum, int maximum, int Settings::*size,
                                            bool bufferFollowsWhenSeparate, RichBufferFont &buffer)
{
    const std::optional<int> points = SizeFromText(text, minimum, maximum);
    if (points) {
        settings_.Change([&](Settings &s) { s.*size = *points; });
        if (settings_.Get().TransFSFlg == bufferFollowsWhenSeparate)
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
    settings_.Change([on](Settings &s) {
        s.TransFSFlg = on;
        if (on)
            return;
        s.TransMainFSize = s.MainFontSize;
        s.TransIPAFSize = s.IPAFontSize;
    });
    if (on)
        return;
    buffers_.RichBuffer.pointSize = settings_.Get().MainFontSize;
    buffers_.RichBuffer2.pointSize = settings_.Get().IPAFontSize;
}

std::optional<int> TransferOptions::SetTransferMainSize(const QString &text)
{
    return SetSize(text, 8, 200, &Settings::TransMainFSize, true, buffers_.RichBuffer);
}

std::optional<int> TransferOptions::SetTransferPhoneticSize(const QString &text)
{
    return SetSize(text, 8, 200, &Settings::TransIPAFSize, true, buffers_.RichBuffer2);
}
