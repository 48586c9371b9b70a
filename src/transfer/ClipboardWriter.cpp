#include "transfer/ClipboardWriter.h"

#include "transfer/TransferHtml.h"
#include "transfer/TransferPlan.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool PutTransferOnClipboard(const TransferPlan &plan, const QByteArray &rtfDocument, QString *error)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        *error = QStringLiteral("クリップボードが使えません。");
        return false;
    }
    auto *data = new QMimeData;
    const QString plain = plan.PlainText();
    data->setText(plain);
    if (plan.encoding == TransferEncoding::RichText) {
        data->setData(QStringLiteral("text/rtf"), rtfDocument);
        data->setData(QStringLiteral("application/rtf"), rtfDocument);
        data->setHtml(BuildTransferHtml(plan.text, plan.fontName, plan.pointSize));
    }
    clipboard->setMimeData(data);
    // The window system may refuse the clipboard to us; then it does not hold our text.
    if (clipboard->text() != plain) {
        *error = QStringLiteral("クリップボードに書き込めませんでした。ほかのプログラムが使用中の可能性があります。");
        return false;
    }
    return true;
}

void PutTransferOnPrimarySelection(const TransferPlan &plan)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard && clipboard->supportsSelection())
        clipboard->setText(plan.PlainText(), QClipboard::Selection);
}
