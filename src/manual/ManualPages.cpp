#include "manual/ManualPages.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

namespace {

/// The page a position of the laid-out document lies on.
int PageOf(const QTextDocument &document, qreal y)
{
    return int(y / document.pageSize().height());
}

/// Where a block's first and last lines end, in document coordinates.
qreal LineBottom(const QTextDocument &document, const QTextBlock &block, int line)
{
    const QRectF blockRect = document.documentLayout()->blockBoundingRect(block);
    const QTextLine textLine = block.layout()->lineAt(line);
    return blockRect.top() + textLine.y() + textLine.height();
}

qreal FirstLineBottom(const QTextDocument &document, const QTextBlock &block)
{
    return LineBottom(document, block, 0);
}

qreal LastLineBottom(const QTextDocument &document, const QTextBlock &block)
{
    return LineBottom(document, block, block.layout()->lineCount() - 1);
}

/// The first block after block that has a line of its own.
QTextBlock NextLaidOutBlock(QTextBlock block)
{
    for (block = block.next(); block.isValid(); block = block.next()) {
        if (block.layout() && block.layout()->lineCount() > 0)
            return block;
    }
    return {};
}

/// Lays the whole document out now. A change to a laid-out document is laid out lazily, a part
/// at once and the rest on a timer that a command-line tool never runs; setting the page size
/// starts a layout from the top, and asking for the ideal width finishes it.
void LayOutWhole(QTextDocument &document)
{
    document.setPageSize(document.pageSize());
    document.idealWidth();
}

/// Moves one heading or table that stands alone at a page's foot to the next page; false when
/// there is none.
bool MoveOneOrphanToNextPage(QTextDocument &document)
{
    LayOutWhole(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.layout() || block.layout()->lineCount() == 0)
            continue;
        QTextCursor cursor(block);
        if (QTextTable *table = cursor.currentTable()) {
            if (table->rows() < 2 || table->cellAt(0, 0).firstCursorPosition().block() != block)
                continue;
            const QTextBlock secondRow = table->cellAt(1, 0).firstCursorPosition().block();
            QTextTableFormat format = table->format();
            if (PageOf(document, FirstLineBottom(document, block)) ==
                    PageOf(document, FirstLineBottom(document, secondRow)) ||
                format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
            return true;
        }
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QTextBlock next = NextLaidOutBlock(block);
        if (!next.isValid() ||
            PageOf(document, LastLineBottom(document, block)) == PageOf(document, FirstLineBottom(document, next)))
            continue;
        QTextBlockFormat format = block.blockFormat();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
        return true;
    }
    return false;
}

/// The resolution the manual is laid out at; the pages are drawn scaled to the device's.
constexpr qreal kLayoutDpi = 96;
/// The margin around the text inside the device's printable area, as the printed manual has
/// always had it.
constexpr qreal kFrameMarginCm = 2.0;

qreal DeviceScale(const QPagedPaintDevice &device)
{
    return device.logicalDpiY() / kLayoutDpi;
}

}  // namespace

void KeepHeadingsWithText(QTextDocument &document, QPagedPaintDevice &device)
{
    // Laid out on an image of a fixed resolution, so that the pages break the same way whatever
    // screen the tool runs on.
    static QImage layoutDevice = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
        return image;
    }();
    document.documentLayout()->setPaintDevice(&layoutDevice);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(kFrameMarginCm / 2.54 * kLayoutDpi);
    document.rootFrame()->setFrameFormat(frame);
    const qreal scale = DeviceScale(device);
    document.setPageSize(QSizeF(device.width() / scale, device.height() / scale));

    // A table that runs onto the next page shows its header row there again.
    for (QTextFrame *child : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setHeaderRowCount(1);
            table->setFormat(format);
        }
    }
    // Each move lays the rest out anew and may leave another orphan further on; each heading
    // and table moves at most once, so this ends.
    while (MoveOneOrphanToNextPage(document)) {
    }
}

void PrintPages(QTextDocument &document, QPagedPaintDevice &device)
{
    LayOutWhole(document);
    QPainter painter(&device);
    painter.scale(DeviceScale(device), DeviceScale(device));
    const QSizeF page = document.pageSize();
    const qreal margin = document.rootFrame()->frameFormat().margin();
    QAbstractTextDocumentLayout::PaintContext context;
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -index * page.height());
        context.clip = QRectF(0, index * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        // The page number at the foot, right-aligned to the text.
        // (the painter is scaled to the layout's resolution, so the size is given in its pixels)
        QFont numberFont = document.defaultFont();
        numberFont.setPixelSize(qRound(numberFont.pointSizeF() * kLayoutDpi / 72));
        painter.setFont(numberFont);
        const QRectF foot(0, page.height() - margin, page.width() - margin, margin / 2);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QString::number(index + 1));
    }
}

QByteArray MendCharacterMaps(QByteArray pdf, const QString &documentText, const QRawFont &font)
{
    QSet<char16_t> held;
    for (QChar c : documentText)
        held.insert(c.unicode());
    for (char16_t digit = u'0'; digit <= u'9'; ++digit)
        held.insert(digit);  // the page numbers

    auto glyphOf = [&font](char16_t c) {
        const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(c)));
        return glyphs.isEmpty() ? 0u : glyphs.constFirst();
    };
    QHash<quint32, char16_t> heldByGlyph;
    for (char16_t c : held) {
        const quint32 glyph = glyphOf(c);
        if (glyph != 0 && (!heldByGlyph.contains(glyph) || c < heldByGlyph.value(glyph)))
            heldByGlyph.insert(glyph, c);
    }
    auto mended = [&](char16_t named) -> char16_t {
        if (held.contains(named))
            return named;
        return heldByGlyph.value(glyphOf(named), named);
    };
    auto rewrite = [&](qsizetype at) {
        bool ok = false;
        const char16_t named = char16_t(pdf.mid(at, 4).toUInt(&ok, 16));
        if (!ok)
            return;
        const char16_t right = mended(named);
        if (right != named)
            pdf.replace(at, 4, QByteArray::number(right, 16).toUpper().rightJustified(4, '0'));
    };

    // The maps are plain text: "<from> <to> [<char> <char> …]" and "<from> <to> <char>" lines
    // in bfrange sections, "<code> <char>" lines in bfchar sections. Only the characters are
    // rewritten, four hexadecimal digits for four.
    static const QRegularExpression section(QStringLiteral("begin(bfrange|bfchar)\\n(.*?)endbf"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression code(QStringLiteral("<([0-9A-F]{4})>"));
    const QString text = QString::fromLatin1(pdf);
    for (const QRegularExpressionMatch &match : section.globalMatch(text)) {
        const bool ranges = match.captured(1) == u"bfrange";
        qsizetype lineStart = match.capturedStart(2);
        for (const QString &line : match.captured(2).split(u'\n')) {
            QList<qsizetype> at;
            QStringList codes;
            for (const QRegularExpressionMatch &c : code.globalMatch(line)) {
                at << c.capturedStart(1);
                codes << c.captured(1);
            }
            // bfchar: the second code is the character. bfrange: an array after the range
            // holds one character per code; a single character after a range of one code is
            // that code's (after a longer range it counts up, and is left as it is).
            const qsizetype first = ranges ? 2 : 1;
            const bool oneEach = !ranges || line.contains(u'[') || (codes.size() == 3 && codes[0] == codes[1]);
            for (qsizetype k = first; oneEach && k < codes.size(); ++k)
                rewrite(lineStart + at[k]);
            lineStart += line.size() + 1;
        }
    }
    return pdf;
}
