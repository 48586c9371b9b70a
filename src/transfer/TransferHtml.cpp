#include "transfer/TransferHtml.h"

namespace {

QString EscapeHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\'': out += QLatin1String("&#39;"); break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += QLatin1String("<br>");
            break;
        case u'\n': out += QLatin1String("<br>"); break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

QString BuildTransferHtml(QStringView text, QStringView fontName, int pointSize)
{
    return QStringLiteral(
               "<meta charset=\"utf-8\"><span style=\"font-family:&quot;%1&quot;; font-size:%2pt\">%3</span>")
        .arg(EscapeHtml(fontName), QString::number(pointSize), EscapeHtml(text));
}
