#pragma once

#include <QAbstractButton>
#include <QString>

/// A button whose caption is a symbol shows the symbol itself: "&" would otherwise be taken as
/// the mark of a keyboard shortcut and vanish. The symbol is kept beside the caption.
inline void SetSymbolCaption(QAbstractButton *button, const QString &symbol)
{
    button->setProperty("symbol", symbol);
    QString caption = symbol;
    button->setText(caption.replace(u'&', QStringLiteral("&&")));
}

/// The symbol a button shows (its caption without the shortcut escape).
inline QString SymbolOf(const QAbstractButton *button)
{
    return button->property("symbol").toString();
}
