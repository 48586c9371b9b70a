#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QRawFont;
class QTextDocument;

/// Lays the manual out on pages of the device and keeps what belongs together on one page: a
/// heading moves to the next page rather than stand alone at a page's foot, and a table whose
/// header row would end a page starts on the next one (a table that runs on repeats its
/// header row).
void KeepHeadingsWithText(QTextDocument &document, QPagedPaintDevice &device);

/// Draws the laid-out document page by page, each page numbered at its foot.
void PrintPages(QTextDocument &document, QPagedPaintDevice &device);

/// Mends the text layer of a PDF that Qt wrote. Where a font gives two characters one glyph
/// (入 and the Kangxi radical ⼊, ・ and U+2027), Qt's character map of the embedded font names
/// the lower code point, so copied or searched text has the wrong character. Every character the
/// map names that the document's text does not hold is replaced by the character of the text
/// that font draws with the same glyph. The bytes keep their length, so the file's offsets hold.
QByteArray MendCharacterMaps(QByteArray pdf, const QString &documentText, const QRawFont &font);
