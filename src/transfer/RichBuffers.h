#pragma once

#include "app/Settings.h"

#include <QString>

/// The font name and size that one rich-text transfer method carries.
struct RichBufferFont {
    QString fontName;
    int pointSize = 0;
};

/// The fonts of the two rich-text transfer buffers: the main text and the phonetic text.
/// They follow the font and size options as the user changes them.
struct RichBuffers {
    RichBufferFont RichBuffer;   ///< main text
    RichBufferFont RichBuffer2;  ///< phonetic text

    /// Both buffers as the settings give them: the transfer sizes when they are chosen
    /// separately, else the screen sizes.
    static RichBuffers FromSettings(const Settings &settings)
    {
        return {{settings.MainFont, settings.TransFSFlg ? settings.TransMainFSize : settings.MainFontSize},
                {settings.IPAFont, settings.TransFSFlg ? settings.TransIPAFSize : settings.IPAFontSize}};
    }
};
