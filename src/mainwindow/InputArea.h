#pragma once

#include "compose/ComposeFields.h"
#include "compose/CompositionEngine.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QWidget;
class SettingsStore;
class TIPAboard1;

/// The input area: the text field Memo1 and the second field Edit1 (phonetic text or kana)
/// with what types into them (the composition through the letter pads, the phonetic pad's
/// keys), the edit commands and their context menu, the fields' fonts, and a word of the word
/// list taken over into them. The fields are made in the widget the window lays them out in.
class InputArea : public QObject
{
    Q_OBJECT

public:
    /// Which pads serve the fields at the moment; each may be missing.
    struct Pads {
        /// Whether Memo1 composes on the page showing, and with which letter pad (which may
        /// not exist yet: the keys still compose).
        std::function<std::optional<ComposePad *>()> memoLetterPad;
        std::function<ComposePad *()> panelLetterPad;  ///< the pad panel's letter pad
        std::function<TIPAboard1 *()> phoneticPad;     ///< the pad panel's phonetic pad
        std::function<bool()> fillInBookOpen;          ///< the open book is a fill-in book
    };

    /// The shared edit actions (the menu's, the context menu's and their shortcuts).
    struct EditActions {
        QAction *undo, *cut, *copy, *paste, *erase, *selectAll;
        QAction *bothScrollBars;  ///< N34: Memo1 scrolls both ways and does not wrap
    };

    InputArea(CompositionEngine &engine, const SettingsStore &settings, QWidget *fieldParent, QWidget *window);
    ~InputArea() override;

    QPlainTextEdit *Memo() const { return Memo1; }
    QLineEdit *SecondField() const { return Edit1; }

    /// Set once the pads exist; until then no key composes.
    void SetPads(Pads pads);
    /// The edit commands act on the focused field; the context menu of both fields offers them.
    void ConnectEditCommands(const EditActions &actions);
    /// The edit menu updates the commands when it opens, as the context menu does.
    void FollowEditMenu(QMenu *menu);

    /// The second field's font, input method and colour follow the kana setting; it empties.
    void ApplySecondFieldFont();
    /// The second field's font: the IPA font, or the window's for kana.
    void ApplyPhoneticFont();
    /// Memo1's font: the main font and size.
    void ApplyMemoFont();
    /// A word of the word list handed to the second field and the input area.
    void TakeOverWord(const QString &secondField, const QString &foreign);
    /// Both fields empty.
    void Clear();

private:
    std::optional<ComposeHost> Memo1Host();
    std::optional<ComposeHost> Edit1Host();
    /// Keys typed into the second field go to the phonetic pad.
    bool PhoneticEntryRuns() const;
    void UpdateEditActions();

    CompositionEngine &engine_;
    const SettingsStore &settings_;
    QWidget *window_;
    Pads pads_;
    EditActions actions_{};

    QLineEdit *Edit1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QMenu *PopupMenu2 = nullptr;  ///< the edit commands on the input area and the second field
    std::unique_ptr<PlainTextComposeField> memo1Field_;
    std::unique_ptr<LineEditComposeField> edit1Field_;
};
