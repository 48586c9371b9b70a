#include "transfer/TransferPlan.h"

#include "lib/ULib.h"
#include "transfer/TransferRtf.h"

bool IsPhoneticMode(int transferMode) { return transferMode / 10 % 10 != 0; }

TransferEncoding EncodingOfMode(int transferMode)
{
    switch (transferMode) {
    case 0: case 10: return TransferEncoding::RichText;
    case 1: case 11: return TransferEncoding::HexReferences;
    case 2: case 12: return TransferEncoding::DecimalReferences;
    case 3: case 13: return TransferEncoding::UnicodeText;
    default: return TransferEncoding::Nothing;
    }
}

QString ModeDisplayText(int transferMode)
{
    switch (transferMode % 10) {
    case 1: return QStringLiteral("16進数値");
    case 2: return QStringLiteral("10進数値");
    case 3: return QStringLiteral("ユニコード");
    default: return QStringLiteral("リッチテキスト");
    }
}

QString TransferPlan::PlainText() const
{
    switch (encoding) {
    case TransferEncoding::HexReferences: return ULib::EncodeHexNcr(TextWithCrLf());
    case TransferEncoding::DecimalReferences: return ULib::EncodeDecNcr(TextWithCrLf());
    default: return text;
    }
}

QString TransferPlan::TextWithCrLf() const
{
    QString out = text;
    return out.replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

QString TransferPlan::RtfDocument() const { return BuildTransferRtf(0, pointSize, TextWithCrLf(), fontName); }

TransferPlan PlanTransfer(const Settings &settings, const RichBuffers &buffers, const FieldText &main,
                          const FieldText &phonetic)
{
    TransferPlan plan;
    plan.phonetic = IsPhoneticMode(settings.TransMode);
    const FieldText &source = plan.phonetic ? phonetic : main;
    plan.text = source.selected.isEmpty() ? source.text : source.selected;
    plan.encoding = EncodingOfMode(settings.TransMode);
    // A mode without an encoding puts nothing on the clipboard; pasting or clearing then
    // would paste stale clipboard content or lose the user's text, so it does neither.
    if (plan.text.isEmpty() || plan.encoding == TransferEncoding::Nothing) {
        plan.text.clear();
        plan.encoding = TransferEncoding::Nothing;
        return plan;
    }
    if (plan.encoding == TransferEncoding::RichText) {
        plan.viaWorkFile = settings.Method2Flg;
        if (plan.viaWorkFile) {
            plan.fontName = plan.phonetic ? settings.IPAFont : settings.MainFont;
            plan.pointSize = plan.phonetic ? settings.IPAFontSize : settings.MainFontSize;
        } else {
            const RichBufferFont &buffer = plan.phonetic ? buffers.RichBuffer2 : buffers.RichBuffer;
            plan.fontName = buffer.fontName;
            plan.pointSize = buffer.pointSize;
        }
    }
    plan.selectWholeField = source.selected.isEmpty();
    plan.clearFields = settings.TransClearFlg && !source.text.isEmpty();
    plan.sendToTarget = settings.AutoPasteFlg;
    return plan;
}
