#pragma once

#include "compose/ComposeFields.h"
#include "wordbook/QuestionType.h"
#include "wordbook/WordBook.h"

#include <QFrame>

#include <functional>
#include <memory>
#include <optional>

class CompositionEngine;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TQuillmaren4;
struct Settings;

/// The question frame of the training: the Japanese meaning, a second row (pronunciation hint,
/// problem sentence or instruction by the book's type), the answer box with the trigger-key
/// composition, the expected answer after judging, and the pages "特殊文字" (the letter pad),
/// "コメント" (the word's number and notes, the F8 button) and "START" (the guide).
class TQType1 : public QFrame
{
    Q_OBJECT

public:
    enum Page { LettersPage = 0, CommentPage = 1, GuidePage = 2 };

    struct Context {
        CompositionEngine &engine;
        const Settings &settings;
        QString languageName;
        std::function<int()> windowHeight;  ///< the main window's full height
        int &rememberedPage;                ///< the page of the last judgement; outlives the frame
    };

    TQType1(Context context, const QString &typeName, QWidget *parent);
    ~TQType1() override;

    /// Fonts, fixed properties, the layout and the hint controls for the book's type.
    void SetupForType();
    /// The caption of the second row.
    void SetSecondRowCaption(const QString &caption);
    /// Empties the question for the next one; the guide is rebuilt, the result page hidden.
    void ClearQuestion();
    /// Shows one word (fields already unescaped) as the question for word row row.
    void FillQuestion(int row, const WordEntry &word);
    /// The typed answer.
    QString Answer() const;
    /// Notes the page that was active when the user judged (RememberedPage).
    void RememberPage();
    /// After judging: the expected answer, the result page, the judge button disabled; after a
    /// wrong answer also the typed answer with its differences marked and the keys of the
    /// accented letters missed.
    void ShowResult(const QString &expected);
    /// Whether the marked answer of a wrong judgement is showing.
    bool AnswerMarkShown() const;
    void EnableJudge();
    /// Whether the result page (the word's number and the F8 button) is showing.
    bool ResultPageShown() const;
    /// The 1-based word row on the result page.
    int ShownRow() const;
    TQuillmaren4 *LetterPad() const { return quillmaren4_; }

signals:
    /// 判定, or Enter in the answer box.
    void JudgeRequested();
    /// The F8 button of the result page.
    void EditRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void BuildPages();
    /// The boxes stacked for the type, then the labels and buttons beside them.
    void LayoutForType();
    void AlignLabels();
    /// The guide on page 2, in one line when it fits into 80 % of the page, else two.
    void BuildGuide();
    void SpeedButton1Click();
    void CheckBox1Click();
    /// The hint in the second row: transcription or kana at size points, or nothing.
    void ShowHint(const QString &phonetic, const QString &kana, int points);
    void ShowTabs(bool letters, bool comment, bool guide);
    /// The marked answer over the notes of the result page, or hidden.
    void ShowAnswerMark(const QString &expected);
    void LayoutResultPage();

    Context context_;
    std::optional<QuestionType> type_;
    QString hintPhonetic_, hintKana_;
    std::unique_ptr<PlainTextComposeField> answerField_;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QPlainTextEdit *Memo3 = nullptr;      ///< Japanese
    QPlainTextEdit *Memo2 = nullptr;      ///< pronunciation, problem sentence or instruction
    QPlainTextEdit *Memo5 = nullptr;      ///< the answer
    QPlainTextEdit *Memo4 = nullptr;      ///< the expected answer
    QToolButton *SpeedButton1 = nullptr;  ///< ヒント
    QCheckBox *CheckBox1 = nullptr;       ///< IPA
    QPushButton *JudgeBtn = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    QLabel *Label5 = nullptr;  ///< "No:"
    QLineEdit *Edit1 = nullptr;
    QToolButton *ResEditSpBtn = nullptr;
    QPlainTextEdit *Memo1 = nullptr;  ///< notes
    QLabel *Label8 = nullptr;
    QLabel *AnswerMarkLabel = nullptr;            ///< the typed answer marked after a wrong judgement
    QLabel *Label6 = nullptr, *Label7 = nullptr;  ///< the guide
    TQuillmaren4 *quillmaren4_ = nullptr;
};
