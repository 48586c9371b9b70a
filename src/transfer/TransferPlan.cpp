#include "transfer/TransferPlan.h"

#include "lib/ULib.h"
#include "transfer/TransferRtf.h"

#include <QFile>

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

QString TransferPlan::RtfDocument() const
{
    return BuildTransferRtf(0, pointSize, TextWithCrLf(), fontName);
}

TransferPlan PlanTransfer(const Settings &settings, const RichBuffers &buffers, const FieldText &main,
                          const FieldText &phonetic)
{
    TransferPlan plan;
    const TransferMode mode(settings.TransMode);
    plan.phonetic = mode.Phonetic();
    const FieldText &source = plan.phonetic ? phonetic : main;
    plan.text = source.selected.isEmpty() ? source.text : source.selected;
    if (plan.text.isEmpty())
        return plan;
    plan.encoding = mode.Encoding();
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

std::optional<QByteArray> RtfForClipboard(const TransferPlan &plan, const QString &sysFolder, FileError *error)
{
    if (!plan.viaWorkFile)
        return plan.RtfDocument().toUtf8();
    const QString path = sysFolder + u'/' + WorkRtfFileName;
    if (std::optional<FileError> failure = WriteWorkRtf(0, plan.pointSize, path, plan.TextWithCrLf(), plan.fontName)) {
        *error = std::move(*failure);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = FileError::CannotRead(file);
        return std::nullopt;
    }
    return file.readAll().trimmed();
}
