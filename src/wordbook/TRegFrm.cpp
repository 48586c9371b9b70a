#include "wordbook/TRegFrm.h"

#include "app/SettingsStore.h"
#include "compose/CharacterKeyFilter.h"
#include "compose/CompositionEngine.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "lib/ULib.h"
#include "pads/TFreeUni2.h"
#include "pads/TIPAboard2.h"
#include "pads/TQuillmaren1.h"

#include <QComboBox>

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int kFieldLeft = 94;
constexpr int kFieldWidth = 500;
constexpr int kGap = 6;

/// Where the dialog was last closed since the program started, and its size.
QRect &RememberedGeometry()
{
    static QRect geometry(0, 0, 640, 640);
    return geometry;
}
bool &PlacedBefore()
{
    static bool placed = false;
    return placed;
}

/// A multi-line field's text in stored form: its line breaks as "#$0D".
QString StoredLines(const QPlainTextEdit *field)
{
    QString text = ULib::TrimBlanks(field->toPlainText());
    return ULib::BreaksToMarkers(text.replace(u'\n', QStringLiteral("\r\n")));
}

/// Stored text shown in a multi-line field.
QString ShownLines(const QString &stored)
{
    return ULib::MarkersToBreaks(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TRegFrm::TRegFrm(Context context, Mode mode, const WordBook &book, QWidget *parent)
    : QDialog(parent), context_(std::move(context)), mode_(mode),
      type_(QuestionTypeFromName(book.TypeName).value_or(QuestionType::W)),
      knownType_(QuestionTypeFromName(book.TypeName).has_value()), words_(book.Entries.size())
{
    setObjectName(QStringLiteral("TRegFrm"));
    setWindowTitle(mode == Mode::Register ? QStringLiteral("単語登録") : QStringLiteral("単語編集"));
    setMinimumWidth(640);
    setFixedHeight(640);
    BuildFields();
    BuildPads();
    BuildBottomBars();

    const QRect remembered = RememberedGeometry();
    resize(qMax(640, remembered.width()), 640);
    if (PlacedBefore()) {
        move(remembered.topLeft());
    } else if (parent) {
        const QRect main = parent->window()->frameGeometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - 640) / 2);
    }
    if (mode == Mode::Register)
        Edit1->setFocus(Qt::OtherFocusReason);
    else
        Memo2->setFocus(Qt::OtherFocusReason);
}

void TRegFrm::BuildFields()
{
    const Settings &s = context_.settings.Get();
    const bool w = type_ == QuestionType::W;
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("Panel1"));

    Edit1 = new QLineEdit(area);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(InstalledFont(s.MainFont, 18));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    const int line = Edit1->sizeHint().height();

    Memo1 = new QPlainTextEdit(area);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(w                          ? InstalledFont(s.IPAFont, 18)
                   : type_ == QuestionType::B ? InstalledFont(s.MainFont, 17)
                                              : InstalledFont(s.MyJpFont, 15));
    Memo1->setAttribute(Qt::WA_InputMethodEnabled, type_ == QuestionType::C);
    Edit2 = new QLineEdit(area);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(InstalledFont(s.MyJpFont, 16));
    Edit3 = new QLineEdit(area);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setFont(InstalledFont(s.MyJpFont, 16));
    Memo2 = new QPlainTextEdit(area);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setFont(InstalledFont(s.MyJpFont, 15));

    const QString phoneticLabel = !w && type_ == QuestionType::B   ? QStringLiteral("問題文：")
                                  : !w && type_ == QuestionType::C ? QStringLiteral("指示文：")
                                                                   : QStringLiteral("発音記号:");
    const struct {
        QWidget *field;
        QString label;
        int height;
        bool required;
    } rows[] = {
        {Edit1, context_.languageName + u':', line, true},
        {Memo1, phoneticLabel, w ? int(std::lround(1.2 * line)) : 84, false},
        {Edit2, QStringLiteral("発音カナ："), Edit2->sizeHint().height(), false},
        {Edit3, QStringLiteral("日本語："), Edit3->sizeHint().height(), true},
        {Memo2, QStringLiteral("備　考："), w ? 84 : 70, false},
    };
    int top = kGap;
    for (const auto &row : rows) {
        row.field->setGeometry(kFieldLeft, top, kFieldWidth, row.height);
        auto *label = new QLabel(row.label, area);
        label->adjustSize();
        // Centred left of the field; the notes label at a third of its field's height.
        const int middle = row.field == Memo2 ? top + row.height / 3 : top + row.height / 2;
        label->move((kFieldLeft - label->width()) / 2, middle - label->height() / 2);
        if (row.required) {
            auto *mark = new QLabel(QStringLiteral("必"), area);
            mark->adjustSize();
            mark->move(kFieldLeft + kFieldWidth + 6, top + (row.height - mark->height()) / 2);
        }
        top += row.height + kGap;
    }
    for (QWidget *field : {static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Memo2)})
        field->setAttribute(Qt::WA_InputMethodEnabled, true);
    // Tab moves on to the next field, as in any form.
    Memo1->setTabChangesFocus(true);
    Memo2->setTabChangesFocus(true);
    for (QWidget *field : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Edit2),
                           static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Memo2)})
        field->installEventFilter(this);
    area->setFixedHeight(top);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(area);
}

void TRegFrm::BuildPads()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFocusPolicy(Qt::NoFocus);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *special = new QHBoxLayout(TabSheet1);
    special->setContentsMargins(0, 0, 0, 0);
    quillmaren1_ = new TQuillmaren1(context_.engine, TabSheet1);
    special->addWidget(quillmaren1_, 3);
    freeUni2_ = new TFreeUni2(context_.settings, {Edit1, Memo1, Edit2, Edit3, Memo2}, TabSheet1);
    freeUni2_->RefreshPaletteFont(context_.settings.Get().MainFont);
    special->addWidget(freeUni2_, 1);
    PageControl1->addTab(TabSheet1, QStringLiteral("特殊文字"));

    edit1Field_ = std::make_unique<LineEditComposeField>(Edit1);
    memo1Field_ = std::make_unique<PlainTextComposeField>(Memo1);
    new CharacterKeyFilter(
        Edit1,
        [this](QStringView typed) {
            return context_.engine.ComposeCharacter({quillmaren1_, edit1Field_.get()}, typed);
        },
        [this](const QString &text) { edit1Field_->ReplaceSelection(text); });

    if (type_ == QuestionType::W) {
        TabSheet2 = new QWidget;
        TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
        auto *phonetic = new QHBoxLayout(TabSheet2);
        phonetic->setContentsMargins(0, 0, 0, 0);
        RichEdit1 = new QTextEdit(TabSheet2);
        RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
        RichEdit1->setReadOnly(true);
        ipaBoard2_ = new TIPAboard2(context_.phonetic, Memo1, RichEdit1, TabSheet2);
        phonetic->addWidget(ipaBoard2_, 3);
        phonetic->addWidget(RichEdit1, 1);
        PageControl1->addTab(TabSheet2, QStringLiteral("発音記号"));
    }
    // Keys of the phonetic field: the phonetic entry for vocabulary books, composition for
    // fill-in books, plain for compositions and books of another type.
    new CharacterKeyFilter(
        Memo1,
        [this](QStringView typed) {
            if (!knownType_)
                return false;
            if (type_ == QuestionType::W)
                return typed.size() == 1 && ipaBoard2_->PhoneticKeyPress(typed.front());
            if (type_ == QuestionType::B)
                return context_.engine.ComposeCharacter({quillmaren1_, memo1Field_.get()}, typed);
            return false;
        },
        [this](const QString &text) { memo1Field_->ReplaceSelection(text); });
    layout()->addWidget(PageControl1);
}

void TRegFrm::BuildBottomBars()
{
    RegisterBar = new QWidget(this);
    RegisterBar->setObjectName(QStringLiteral("Panel2"));
    auto *reg = new QHBoxLayout(RegisterBar);
    reg->setContentsMargins(0, 0, 0, 0);
    reg->addWidget(new QLabel(QStringLiteral("No"), RegisterBar));
    ComboBox1 = new QComboBox(RegisterBar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMaxVisibleItems(20);
    for (qsizetype n = 1; n <= words_; ++n)
        ComboBox1->addItem(u' ' + QString::number(n));
    reg->addWidget(ComboBox1);
    reg->addWidget(new QLabel(QStringLiteral("上に"), RegisterBar));
    Button3 = new QPushButton(QStringLiteral("挿入"), RegisterBar);
    Button3->setObjectName(QStringLiteral("Button3"));
    reg->addWidget(Button3);
    reg->addStretch(1);
    Button1 = new QPushButton(QStringLiteral("登録(F4)"), RegisterBar);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), RegisterBar);
    Button2->setObjectName(QStringLiteral("Button2"));
    reg->addWidget(Button1);
    reg->addWidget(Button2);
    const bool empty = words_ == 0;
    ComboBox1->setEnabled(!empty);
    Button3->setEnabled(!empty);
    if (!empty)
        ComboBox1->setCurrentIndex(0);

    EditBar = new QWidget(this);
    EditBar->setObjectName(QStringLiteral("Panel3"));
    auto *edit = new QHBoxLayout(EditBar);
    edit->setContentsMargins(0, 0, 0, 0);
    edit->addStretch(1);
    Button4 = new QPushButton(QStringLiteral("反映(F4)"), EditBar);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button5 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), EditBar);
    Button5->setObjectName(QStringLiteral("Button5"));
    edit->addWidget(Button4);
    edit->addWidget(Button5);
    for (QPushButton *button : {Button1, Button2, Button3, Button4, Button5}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    layout()->addWidget(RegisterBar);
    layout()->addWidget(EditBar);
    RegisterBar->setVisible(mode_ == Mode::Register);
    EditBar->setVisible(mode_ == Mode::Edit);
    connect(Button1, &QPushButton::clicked, this, &TRegFrm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TRegFrm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TRegFrm::Button4Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button5, &QPushButton::clicked, this, &QDialog::reject);
}

void TRegFrm::TakeInputAreas(const QString &memo, const QString &edit)
{
    Edit1->setText(memo);
    Memo1->setPlainText(edit);
    (Edit1->text().isEmpty() ? Edit1 : Edit3)->setFocus(Qt::OtherFocusReason);
}

void TRegFrm::ShowWord(const WordEntry &word)
{
    Edit1->setText(word.Foreign);
    Memo1->setPlainText(ShownLines(word.Phonetic));
    Edit2->setText(word.Kana);
    Edit3->setText(word.Japanese);
    Memo2->setPlainText(ShownLines(word.Notes));
    Memo2->setFocus(Qt::OtherFocusReason);
}

std::optional<WordEntry> TRegFrm::WordInFields(bool warn)
{
    WordEntry word{ULib::TrimBlanks(Edit1->text()), StoredLines(Memo1), ULib::TrimBlanks(Edit2->text()),
                   ULib::TrimBlanks(Edit3->text()), StoredLines(Memo2), {}};
    if (word.Foreign.isEmpty() || word.Japanese.isEmpty()) {
        if (warn)
            MessageSeam::Notify(this, context_.languageName + QStringLiteral("と日本語は必須入力項目です。"));
        return std::nullopt;
    }
    return word;
}

void TRegFrm::Finish(Result result)
{
    if (apply_ && !apply_(result))
        return;
    outcome_ = std::move(result);
    accept();
}

void TRegFrm::Button1Click()
{
    if (const std::optional<WordEntry> word = WordInFields(true))
        Finish({*word, std::nullopt});
}

void TRegFrm::Button3Click()
{
    if (const std::optional<WordEntry> word = WordInFields(true)) {
        bool ok = false;
        const qsizetype at = ComboBox1->currentText().trimmed().toLongLong(&ok);
        if (!ok || at < 1 || at > words_)
            return;
        Finish({*word, at});
    }
}

void TRegFrm::Button4Click()
{
    // An empty required field closes the dialog without a change and without a message.
    if (const std::optional<WordEntry> word = WordInFields(false)) {
        Finish({*word, std::nullopt});
        return;
    }
    reject();
}

bool TRegFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == Memo1) {
            if (TabSheet2 && knownType_)
                PageControl1->setCurrentWidget(TabSheet2);
        } else {
            PageControl1->setCurrentWidget(TabSheet1);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TRegFrm::keyPressEvent(QKeyEvent *event)
{
    // F4 anywhere in the dialog (the fields leave it to the dialog) registers or applies.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        mode_ == Mode::Register ? Button1Click() : Button4Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TRegFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PageControl1->setCurrentWidget(TabSheet1);
    quillmaren1_->LayoutPad();
    freeUni2_->LayoutPalette();
    if (ipaBoard2_)
        ipaBoard2_->LayoutPad();
}

void TRegFrm::done(int result)
{
    RememberedGeometry() = QRect(pos(), size());  // pos() is the frame's corner, as move() takes it
    PlacedBefore() = true;
    QDialog::done(result);
}
