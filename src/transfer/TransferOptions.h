#pragma once

#include "app/SettingsStore.h"
#include "transfer/RichBuffers.h"

#include <QString>

/// The font and size options that the transfer carries, kept in one place: each change sets
/// its setting and, where the rules say so, the rich-text buffer that the next transfer uses.
/// Size texts come from editable selectors: a text that is no whole number in range changes
/// nothing.
class TransferOptions
{
public:
    explicit TransferOptions(SettingsStore &settings) : settings_(settings) { ResetBuffers(); }

    const RichBuffers &Buffers() const { return buffers_; }
    /// Both buffers as the settings give them (at start-up).
    void ResetBuffers() { buffers_ = RichBuffers::FromSettings(settings_.Get()); }

    void SetMainFont(const QString &family);
    void SetPhoneticFont(const QString &family);
    /// The input area's size, 8 to 200 points. Returns the size taken, if any.
    std::optional<int> SetMainFontSize(const QString &text);
    /// The phonetic field's size, 9 to 40 points.
    std::optional<int> SetPhoneticFontSize(const QString &text);

    /// 文字サイズ指定: on, the buffers keep their sizes until a transfer size changes; off,
    /// the transfer sizes and the buffers take the screen sizes again.
    void SetSeparateSizes(bool on);
    /// The transfer sizes, 8 to 200 points; the buffer follows while separate sizes are on.
    std::optional<int> SetTransferMainSize(const QString &text);
    std::optional<int> SetTransferPhoneticSize(const QString &text);

private:
    /// A size typed into a selector: within [minimum, maximum] it becomes the setting, and the
    /// buffer takes it while the separate transfer sizes are on (or off, as given).
    std::optional<int> SetSize(const QString &text, int minimum, int maximum, int Settings::*size,
                               bool bufferFollowsWhenSeparate, RichBufferFont &buffer);

    SettingsStore &settings_;
    RichBuffers buffers_;
};
