#pragma once

#include "wordbook/QuestionType.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;

/// What the new-book and the properties dialogs take from the user.
struct BookProperties {
    QString title;  ///< trimmed
    QString group;  ///< trimmed
    QString typeName;
};

/// The form the new-book dialog (TNewFrm) and the properties dialog (TPropFrm) share: title
/// and group (20 characters each), the folder, and the book type. Its first button applies;
/// an empty title is refused with the dialog's warning. apply returns true when the dialog
/// may close.
class BookPropertiesForm : public QDialog
{
    Q_OBJECT

public:
    struct Texts {
        const char *className;  ///< objectName: TNewFrm or TPropFrm
        QString caption;
        QString introduction;
        QString folderLabel;
        QString applyButton;
        QString emptyTitleWarning;
    };
    using Apply = std::function<bool(const BookProperties &properties)>;

    BookPropertiesForm(const Texts &texts, const QString &folder, Apply apply, QWidget *parent);

    /// Fills the fields (the properties dialog shows the open book).
    void SetProperties(const QString &title, const QString &group, QuestionType type);

private:
    void Button1Click();

    Texts texts_;
    Apply apply_;
    QLineEdit *Edit1 = nullptr;                   ///< title
    QLineEdit *Edit2 = nullptr;                   ///< group
    QLineEdit *Edit3 = nullptr;                   ///< folder
    std::array<QRadioButton *, 3> TypeButtons{};  ///< RadioButton1..3: W, B, C
};

/// The new-book dialog.
class TNewFrm : public BookPropertiesForm
{
    Q_OBJECT

public:
    TNewFrm(const QString &folder, Apply apply, QWidget *parent);
};

/// The properties dialog of the open book.
class TPropFrm : public BookPropertiesForm
{
    Q_OBJECT

public:
    TPropFrm(const QString &folder, Apply apply, QWidget *parent);
};
