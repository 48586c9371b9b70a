#include "wordbook/TMoveFrm.h"

#include "dialogs/InstalledFonts.h"
#include "wordbook/WordList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *ShownField(const QString &text, const QString &family, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    if (!family.isEmpty()) {
        field->setFont(InstalledFont(family, 12));
    }
    return field;
}

}  // namespace

TMoveFrm::TMoveFrm(qsizetype k, qsizetype n, const QString &languageName, const WordEntry &word, QWidget *parent)
    : QDialog(parent), n_(n)
{
    setObjectName(QStringLiteral("TMoveFrm"));
    setWindowTitle(QStringLiteral("単語の移動"));
    resize(480, 320);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("移動先Noを選ぶと、「移動する」ボタンは使えるようになります。"), this));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("■移動先No："), this), 0, 0);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (qsizetype target : MoveTargets(k, n))
        ComboBox1->addItem(QString::number(target));
    ComboBox1->setCurrentIndex(-1);
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(ComboBox1);
    targetRow->addWidget(new QLabel(QStringLiteral("の上に移動します。"), this));
    targetRow->addStretch(1);
    grid->addLayout(targetRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("■移動元No："), this), 1, 0);
    QLineEdit *source = ShownField(QString::number(k), {}, this);
    source->setObjectName(QStringLiteral("Edit1"));
    source->setAlignment(Qt::AlignCenter);
    source->setFixedWidth(80);
    grid->addWidget(source, 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("■移動対象単語："), this), 2, 0);
    grid->addWidget(new QLabel(languageName + QStringLiteral("："), this), 3, 0, Qt::AlignRight);
    QLineEdit *foreign = ShownField(word.Foreign, QStringLiteral("Times New Roman"), this);
    foreign->setObjectName(QStringLiteral("Edit2"));
    grid->addWidget(foreign, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("日本語："), this), 4, 0, Qt::AlignRight);
    QLineEdit *japanese = ShownField(word.Japanese, QStringLiteral("MS UI Gothic"), this);
    japanese->setObjectName(QStringLiteral("Edit3"));
    grid->addWidget(japanese, 4, 1);
    column->addLayout(grid);
    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button1 = new QPushButton(QStringLiteral("移動する"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setEnabled(false);
    auto *button2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(Button1);
    buttons->addWidget(button2);
    column->addLayout(buttons);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) { Button1->setEnabled(index >= 0); });
    connect(Button1, &QPushButton::clicked, this, &TMoveFrm::Button1Click);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);
    ComboBox1->setFocus(Qt::OtherFocusReason);
    if (parent) {
        const QRect main = parent->window()->frameGeometry();
        move(main.left() + (main.width() - 480) / 2, main.top() + (main.height() - 320) / 2);
    }
}

void TMoveFrm::Button1Click()
{
    bool ok = false;
    const qsizetype target = ComboBox1->currentText().trimmed().toLongLong(&ok);
    if (!ok || target < 1 || target > n_) {
        reject();  // no number from 1 to n: nothing moves
        return;
    }
    target_ = target;
    accept();
}
