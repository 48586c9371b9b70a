#include "pads/TFreeUni2.h"

#include "pads/FieldInsert.h"

TFreeUni2::TFreeUni2(SettingsStore &settings, QList<QWidget *> fields, QWidget *parent)
    : TFreeUni(settings, parent), fields_(std::move(fields))
{
    setObjectName(QStringLiteral("TFreeUni2"));
}

void TFreeUni2::LayoutPalette()
{
    LayoutWith({30, 45, 18, 48, 4});
}

void TFreeUni2::InsertSymbol(const QString &text)
{
    for (QWidget *field : fields_) {
        if (field->hasFocus()) {
            InsertIntoField(field, text);
            return;
        }
    }
    if (fields_.isEmpty())
        return;
    fields_.last()->setFocus(Qt::OtherFocusReason);
    InsertIntoField(fields_.last(), text);
}
