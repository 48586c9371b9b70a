#pragma once

#include "compose/ComposeFields.h"
#include "pads/TIPAboard.h"
#include "wordbook/WordBook.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class CompositionEngine;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class TFreeUni2;
class TIPAboard2;
class TQuillmaren1;
class SettingsStore;

/// The word dialog: registers a new word (appended, or inserted before a chosen number) or
/// edits the selected one. Its fields are laid out for the book's type; a letter pad and the
/// free palette, and for vocabulary books the phonetic pad, serve them. The page applies the
/// result; the dialog checks the required fields.
class TRegFrm : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Register, Edit };
    /// What the dialog needs of its host.
    struct Context {
        CompositionEngine &engine;
        SettingsStore &settings;
        TIPAboard::Context phonetic;
        QString languageName;
    };
    /// What the user asked for: the word, and for an insert the number it takes.
    struct Result {
        WordEntry word;
        std::optional<qsizetype> insertAt;  ///< 1-based; none: appended (or edited in place)
    };

    TRegFrm(Context context, Mode mode, const WordBook &book, QWidget *parent);

    /// Register mode: the main window's input area and second field, taken as the first
    /// foreign and phonetic texts.
    void TakeInputAreas(const QString &memo, const QString &edit);
    /// Edit mode: the word shown for editing.
    void ShowWord(const WordEntry &word);

    std::optional<Result> Outcome() const { return outcome_; }
    /// Runs a result while the dialog is still open: when it returns false (the book could not
    /// be written) the dialog stays open with what was typed.
    void SetApply(std::function<bool(const Result &)> apply) { apply_ = std::move(apply); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void BuildFields();
    void BuildPads();
    void BuildBottomBars();
    void Button1Click();  ///< 登録(F4)
    void Button3Click();  ///< 挿入
    void Button4Click();  ///< 反映(F4)
    /// The word in the fields, trimmed; none (after the warning when warn) when a required
    /// field is empty.
    std::optional<WordEntry> WordInFields(bool warn);
    /// Takes a result: applied (when an apply is set) and the dialog closed, or kept open.
    void Finish(Result result);

    Context context_;
    Mode mode_;
    QuestionType type_;
    bool knownType_;
    qsizetype words_;
    std::optional<Result> outcome_;
    std::function<bool(const Result &)> apply_;

    QLineEdit *Edit1 = nullptr;       ///< foreign
    QPlainTextEdit *Memo1 = nullptr;  ///< phonetic, problem or instruction
    QLineEdit *Edit2 = nullptr;       ///< kana
    QLineEdit *Edit3 = nullptr;       ///< Japanese
    QPlainTextEdit *Memo2 = nullptr;  ///< notes
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;  ///< 特殊文字
    QWidget *TabSheet2 = nullptr;  ///< 発音記号 (vocabulary books only)
    QTextEdit *RichEdit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr;
    QWidget *RegisterBar = nullptr, *EditBar = nullptr;
    TQuillmaren1 *quillmaren1_ = nullptr;
    TFreeUni2 *freeUni2_ = nullptr;
    TIPAboard2 *ipaBoard2_ = nullptr;
    std::unique_ptr<LineEditComposeField> edit1Field_;
    std::unique_ptr<PlainTextComposeField> memo1Field_;
};
