#include "wordbook/BookPropertiesForm.h"

#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "lib/ULib.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BookPropertiesForm::BookPropertiesForm(const Texts &texts, const QString &folder, Apply apply, QWidget *parent)
    : QDialog(parent), texts_(texts), apply_(std::move(apply))
{
    setObjectName(QString::fromLatin1(texts.className));
    setWindowTitle(texts.caption);
    resize(480, 420);
    QFont editFont = InstalledFont(QStringLiteral("MS UI Gothic"));
    editFont.setPixelSize(14);

    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(texts.introduction, this));
    column->addSpacing(6);
    column->addWidget(new QLabel(QStringLiteral("■単語帳タイトル："), this));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    column->addWidget(Edit1);
    column->addWidget(new QLabel(QStringLiteral("■グループ："), this));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    column->addWidget(Edit2);
    auto *groupNote = new QLabel(QStringLiteral("※グループはメニューで隣接表示させるために定めるものです。"), this);
    groupNote->setWordWrap(true);
    column->addWidget(groupNote);
    for (QLineEdit *field : {Edit1, Edit2}) {
        field->setMaxLength(20);
        field->setFont(editFont);
        field->setAttribute(Qt::WA_InputMethodEnabled, true);
    }

    auto *typeLabel =
        new QLabel(QStringLiteral("■トレーニングモードでのタイプ：　カッコ内は発音記号欄の利用方法"), this);
    typeLabel->setWordWrap(true);
    column->addWidget(typeLabel);
    const QString typeCaptions[3] = {QStringLiteral("単語理解　（発音記号：　IPA　１行）"),
                                     QStringLiteral("空欄補充　（問題文：　外国語　複数行）"),
                                     QStringLiteral("作文問題　（指示文：　日本語　複数行）")};
    for (int i = 0; i < 3; ++i) {
        TypeButtons[i] = new QRadioButton(typeCaptions[i], this);
        TypeButtons[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        column->addWidget(TypeButtons[i]);
    }
    TypeButtons[0]->setChecked(true);

    column->addWidget(new QLabel(texts.folderLabel, this));
    Edit3 = new QLineEdit(QDir::toNativeSeparators(folder), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setReadOnly(true);
    Edit3->setFocusPolicy(Qt::NoFocus);
    QPalette grey = Edit3->palette();
    grey.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    grey.setColor(QPalette::Text, Qt::white);
    Edit3->setPalette(grey);
    column->addWidget(Edit3);
    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *button1 = new QPushButton(texts.applyButton, this);
    button1->setObjectName(QStringLiteral("Button1"));
    auto *button2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(button1);
    buttons->addWidget(button2);
    column->addLayout(buttons);
    button1->setDefault(true);  // Enter in a field applies
    button2->setAutoDefault(false);
    connect(button1, &QPushButton::clicked, this, &BookPropertiesForm::Button1Click);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);

    Edit1->setFocus(Qt::OtherFocusReason);
    if (parent) {
        const QRect main = parent->window()->frameGeometry();
        move(main.left() + (main.width() - 480) / 2, main.top() + (main.height() - 420) / 2);
    }
}

void BookPropertiesForm::SetProperties(const QString &title, const QString &group, QuestionType type)
{
    Edit1->setText(title);
    Edit2->setText(group);
    TypeButtons[int(type)]->setChecked(true);
}

void BookPropertiesForm::Button1Click()
{
    BookProperties properties{ULib::TrimBlanks(Edit1->text()), ULib::TrimBlanks(Edit2->text()), {}};
    for (int i = 0; i < 3; ++i) {
        if (TypeButtons[i]->isChecked())
            properties.typeName = QuestionTypeName(QuestionType(i));
    }
    if (properties.title.isEmpty()) {
        MessageSeam::Notify(this, texts_.emptyTitleWarning);
        return;
    }
    if (apply_ && apply_(properties))
        accept();
}

TNewFrm::TNewFrm(const QString &folder, Apply apply, QWidget *parent)
    : BookPropertiesForm({"TNewFrm", QStringLiteral("単語帳の新規作成"),
                          QStringLiteral("単語帳のタイトルとグループ名を入力し、作成ボタンを押して下さい。"),
                          QStringLiteral("■作成先フォルダ："), QStringLiteral("作成"),
                          QStringLiteral("単語帳タイトルを入力してから、作成ボタンを押して下さい。")},
                         folder, std::move(apply), parent)
{
}

TPropFrm::TPropFrm(const QString &folder, Apply apply, QWidget *parent)
    : BookPropertiesForm({"TPropFrm", QStringLiteral("単語帳のプロパティ変更"),
                          QStringLiteral("タイトルとグループ名を変更できます。"), QStringLiteral("■単語帳フォルダ："),
                          QStringLiteral("反映する"),
                          QStringLiteral("単語帳には必ずタイトルが必要です。タイトルは入力して下さい。")},
                         folder, std::move(apply), parent)
{
}
