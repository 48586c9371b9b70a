#include "mainwindow/InputArea.h"

#include "app/SettingsStore.h"
#include "compose/CharacterKeyFilter.h"
#include "dialogs/InstalledFonts.h"
#include "pads/TIPAboard1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

InputArea::InputArea(CompositionEngine &engine, const SettingsStore &settings, QWidget *fieldParent, QWidget *window)
    : QObject(window), engine_(engine), settings_(settings), window_(window)
{
    Edit1 = new QLineEdit(fieldParent);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Memo1 = new QPlainTextEdit(fieldParent);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    memo1Field_ = std::make_unique<PlainTextComposeField>(Memo1);
    edit1Field_ = std::make_unique<LineEditComposeField>(Edit1);
    new CharacterKeyFilter(
        Memo1,
        [this](QStringView typed) {
            const std::optional<ComposeHost> host = Memo1Host();
            return host && engine_.ComposeCharacter(*host, typed);
        },
        [this](const QString &text) { memo1Field_->ReplaceSelection(text); });
    new CharacterKeyFilter(
        Edit1,
        [this](QStringView typed) {
            if (const std::optional<ComposeHost> host = Edit1Host())
                return engine_.ComposeCharacter(*host, typed);
            return PhoneticEntryRuns() && typed.size() == 1 && pads_.phoneticPad()->PhoneticKeyPress(typed.front());
        },
        [this](const QString &text) { edit1Field_->ReplaceSelection(text); });
}

InputArea::~InputArea() = default;

void InputArea::SetPads(Pads pads)
{
    pads_ = std::move(pads);
}

std::optional<ComposeHost> InputArea::Memo1Host()
{
    const std::optional<ComposePad *> pad = pads_.memoLetterPad ? pads_.memoLetterPad() : std::nullopt;
    if (!pad)
        return std::nullopt;
    return ComposeHost{*pad, memo1Field_.get()};
}

bool InputArea::PhoneticEntryRuns() const
{
    return pads_.phoneticPad && pads_.phoneticPad() && !settings_.Get().KanaFlg && !pads_.fillInBookOpen();
}

std::optional<ComposeHost> InputArea::Edit1Host()
{
    // The second field composes only for fill-in books, whose second field holds a sentence
    // in the foreign language, while the word-book pads are open and kana input is off.
    if (!pads_.phoneticPad || !pads_.phoneticPad() || settings_.Get().KanaFlg || !pads_.fillInBookOpen())
        return std::nullopt;
    return ComposeHost{pads_.panelLetterPad(), edit1Field_.get()};
}

void InputArea::TakeOverWord(const QString &secondField, const QString &foreign)
{
    // ResetInputFlg: the word replaces the fields' text; otherwise it goes in at the caret.
    const bool replace = settings_.Get().ResetInputFlg;
    if (replace)
        Edit1->setText(secondField);
    else
        Edit1->insert(secondField);
    if (foreign.isEmpty())
        return;
    Memo1->setFocus(Qt::OtherFocusReason);
    if (replace) {
        Memo1->setPlainText(foreign);
        Memo1->moveCursor(QTextCursor::End);
    } else {
        Memo1->insertPlainText(foreign);
    }
}

void InputArea::Clear()
{
    Memo1->clear();
    Edit1->clear();
}

void InputArea::ApplyMemoFont()
{
    // A saved font that is not installed is still asked for by name; the font system
    // substitutes the closest one.
    const Settings &s = settings_.Get();
    Memo1->setFont(InstalledFont(s.MainFont, qMax(1, s.MainFontSize)));
}

void InputArea::ApplyPhoneticFont()
{
    // Katakana readings use the window's Japanese-capable font; phonetic text the IPA font.
    const Settings &s = settings_.Get();
    QFont font = s.KanaFlg ? window_->font() : InstalledFont(s.IPAFont);
    font.setPointSize(qMax(1, s.IPAFontSize));
    Edit1->setFont(font);
}

void InputArea::ApplySecondFieldFont()
{
    ApplyPhoneticFont();
    const bool kana = settings_.Get().KanaFlg;
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, kana);
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, kana ? palette.color(QPalette::ToolTipBase) : QColor(Qt::white));
    Edit1->setPalette(palette);
    Edit1->clear();
}

void InputArea::ConnectEditCommands(const EditActions &actions)
{
    actions_ = actions;
    // Each command acts on whichever text field has the focus.
    struct EditCommand {
        QAction *action;
        std::function<void(QLineEdit *)> onLine;
        std::function<void(QPlainTextEdit *)> onMemo;
    };
    const EditCommand commands[] = {
        {actions.undo, &QLineEdit::undo, &QPlainTextEdit::undo},
        {actions.cut, &QLineEdit::cut, &QPlainTextEdit::cut},
        {actions.copy, &QLineEdit::copy, &QPlainTextEdit::copy},
        {actions.paste, &QLineEdit::paste, &QPlainTextEdit::paste},
        {actions.erase, [](QLineEdit *e) { e->insert(QString()); },
         [](QPlainTextEdit *m) { m->textCursor().removeSelectedText(); }},
        {actions.selectAll, &QLineEdit::selectAll, &QPlainTextEdit::selectAll},
    };
    for (const EditCommand &command : commands) {
        connect(command.action, &QAction::triggered, this, [command] {
            QWidget *focus = QApplication::focusWidget();
            if (auto *line = qobject_cast<QLineEdit *>(focus))
                command.onLine(line);
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(focus))
                command.onMemo(memo);
        });
    }
    connect(actions.bothScrollBars, &QAction::toggled, this, [this](bool both) {
        Memo1->setLineWrapMode(both ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        Memo1->setHorizontalScrollBarPolicy(both ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    });

    // The input area's and the second field's context menu offers the same commands.
    PopupMenu2 = new QMenu(window_);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PopupMenu2->addAction(actions.undo);
    PopupMenu2->addSeparator();
    PopupMenu2->addActions({actions.cut, actions.copy, actions.paste, actions.erase, actions.selectAll});
    FollowEditMenu(PopupMenu2);
    for (QWidget *field : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Edit1)}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint &at) {
            field->setFocus(Qt::MouseFocusReason);
            PopupMenu2->exec(field->mapToGlobal(at));
        });
    }
}

void InputArea::FollowEditMenu(QMenu *menu)
{
    connect(menu, &QMenu::aboutToShow, this, &InputArea::UpdateEditActions);
    // The shortcuts work whatever the menu showed last time.
    connect(menu, &QMenu::aboutToHide, this, [this] {
        for (QAction *action :
             {actions_.undo, actions_.cut, actions_.copy, actions_.paste, actions_.erase, actions_.selectAll})
            action->setEnabled(true);
    });
}

void InputArea::UpdateEditActions()
{
    QWidget *focus = QApplication::focusWidget();
    bool undo = false, selection = false, editable = false;
    if (auto *edit = qobject_cast<QLineEdit *>(focus)) {
        undo = edit->isUndoAvailable();
        selection = edit->hasSelectedText();
        editable = !edit->isReadOnly();
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(focus)) {
        undo = memo->document()->isUndoAvailable();
        selection = memo->textCursor().hasSelection();
        editable = !memo->isReadOnly();
    }
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    actions_.undo->setEnabled(undo && editable);
    actions_.cut->setEnabled(selection && editable);
    actions_.copy->setEnabled(selection);
    actions_.paste->setEnabled(clipboardText && editable);
    actions_.erase->setEnabled(selection && editable);
    actions_.selectAll->setEnabled(editable || selection);
    actions_.bothScrollBars->setChecked(Memo1->lineWrapMode() == QPlainTextEdit::NoWrap);
}
