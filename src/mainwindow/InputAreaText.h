#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>

/// The input area's text as it was typed or read, lines ended by LF. toPlainText() would turn
/// every no-break space into a plain space (and a line separator into a break), which a saved
/// file or the code report must not do.
inline QString InputAreaText(const QPlainTextEdit *memo)
{
    return memo->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}
