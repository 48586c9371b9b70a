#include "pads/TQuillmaren1.h"

#include "pads/FieldInsert.h"

TQuillmaren1::TQuillmaren1(CompositionEngine &engine, QWidget *parent) : TQuillmaren(engine, parent)
{
    setObjectName(QStringLiteral("TQuillmaren1"));
}

void TQuillmaren1::InsertSymbol(const QString &text)
{
    QWidget *active = window()->focusWidget();
    if (!active)
        return;
    const QString name = active->objectName();
    if (name.startsWith(QLatin1String("Edit")) || name.startsWith(QLatin1String("Memo")))
        InsertIntoField(active, text);
}
