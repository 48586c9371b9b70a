#pragma once

#include <QString>

/// The HTML rendition of a rich-text transfer, for the many applications that read HTML from
/// the clipboard: the text in one font family at one size, line breaks kept.
QString BuildTransferHtml(QStringView text, QStringView fontName, int pointSize);
