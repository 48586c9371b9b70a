#pragma once

#include "learning/LearningTypes.h"
#include "training/QuizRandom.h"
#include "training/QuizSession.h"
#include "training/TrainingBook.h"
#include "training/Verdict.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class CompositionEngine;
class LearningRecord;
class LearningRecordAccess;
class MissedWordsPanel;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class TQType1;
class TShape;
class TStdScore;
struct Settings;

/// The training page: the book choice and START (Panel10), the quiz area with the score board
/// and the question frame (Panel15), the feedback squares, texts and pictures beside it, and
/// the procedure panel (Panel16) that covers the quiz area while no set runs. It runs the quiz
/// session and shows what the session asks for.
class TrainingPage : public QWidget, private QuizFrontend
{
    Q_OBJECT

public:
    /// What the page needs of the main window.
    struct Context {
        CompositionEngine &engine;
        const Settings &settings;
        std::function<QString()> bookFolder;    ///< the word-book page's current folder
        std::function<QString()> textFolder;    ///< where "RandLog.txt" goes
        std::function<QString()> languageName;  ///< the current language's name
        std::function<int()> windowHeight;      ///< the main window's full height
        QuizRandom::SeedSource seedSource = QuizRandom::ClockSeed;
        /// The learning record; none keeps no record and offers no review.
        LearningRecordAccess *learning = nullptr;
        /// The record's name for a book of the current folder.
        std::function<BookKey(const QString &fileName, const QString &title)> bookKey;
    };

    TrainingPage(Context context, QWidget *parent);
    ~TrainingPage() override;

    /// Start-up preparation: the procedure lines, START disabled, no sets remaining.
    void InitCaptions();
    /// The first procedure line names the folders as DicNameFlg says.
    void CaptionFolderStep();
    /// The training page was shown: the book list of the current folder.
    void EnterTrainingPage();
    /// Another page was shown: the book, its sets, the score board and the question frame go.
    void LeaveTraining();
    /// Fills ComboBox1 with the books of the current folder that hold words.
    void BuildTrainingBookList();
    /// Loads the chosen book and builds its sets; the procedure panel covers the quiz area.
    void LoadTrainingBook();
    void StartBtnClick();
    void NextBtnClick();
    /// F8: the word of the result page is to be edited on the word-book page.
    void ResCallExecute();
    void SetStartEnabled(bool enabled, bool focus = false);
    /// The procedure panel covers the quiz area ("↓").
    void LowerProcedurePanel();
    bool ProcedurePanelRaised() const { return panelRaised_; }

    const QuizSession &Session() const { return session_; }
    QuizRandom &Random() { return random_; }

signals:
    /// The user picked a book in ComboBox1: the open book closes and the page grows.
    void BookChosen();
    /// A book was loaded for training: it is the open book (header only).
    void TrainingBookLoaded(const QString &fileName, const QString &title, const QString &group,
                            const QString &typeName);
    /// F8 on a result page: the word of row (from 0) is to be edited on the word-book page,
    /// once its list holds the book's wordCount words.
    void EditWordRequested(int row, int wordCount);
    /// The page shows again: a jump to a word that has not finished is dropped.
    void TrainingEntered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // QuizFrontend
    void ShowRemainingSets(int sets) override;
    void ShowQuestion(int row, const WordEntry &word) override;
    void ShowProgress(int position) override;
    void ShowScore(int score) override;
    void ShowAnswerFeedback(bool correct) override;
    void StartVerdict() override;
    void BeginSet() override;
    void EnableJudge() override;
    bool ConfirmNextSet() override;
    bool ConfirmReshuffle() override;

    void BuildSelectorRow();
    void BuildQuizArea();
    void BuildProcedurePanel();
    /// Wraps the procedure lines to the panel's width and stacks them, the note on provisional
    /// sets last.
    void LayoutProcedureLines();
    void ComboBox1Change();
    /// The count of remaining sets, right of centre in its square.
    void PlaceRemainingSets();
    /// Places the squares, texts, pictures, the quiz area and the procedure panel in Panel11.
    void LayoutPanel11();
    /// A feedback text centred in its half of its square: the answer's above, the verdict's below.
    void PlaceFeedbackText(QLabel *label, const QWidget *square) const;
    void JudgeBtnClick();
    void WriteShuffleLog();
    /// The record when it is kept; null otherwise (told once).
    LearningRecord *Record();
    /// How many words of a book the record has below the top box that the book still holds.
    int WordsToReview(LearningRecord &record, const TrainingBookItem &book);
    /// The rows of each review set of a book, chosen from the record when a pass begins.
    QuizSession::ReviewChooser ReviewChooserFor(const TrainingBookItem &book, const QStringList &lines);
    /// Writes a judgement, and the set's score when it was the set's last question.
    void RecordJudgement(const QuizSession::Judgement &judgement);
    /// The book list again, the choice on screen kept: a set's end may add or drop a review.
    void RefreshTrainingBookList();
    void HideFeedback();
    void HidePictures();
    /// The two squares in a colour and a text centred on each, in its colour and size.
    void ShowFeedback(quint32 squares, QLabel *left, const FeedbackText &leftText, QLabel *right,
                      const FeedbackText &rightText);
    /// The F8 button of the result page: the word is to be edited on the word-book page.
    void ResEditSpBtnClick();
    void OpenTimerTimer();
    void MantenTimerTimer();
    /// The set's missed words over the question frame, once its verdict shows.
    void ShowMissedWords();
    void HideMissedWords();
    void DestroyQuiz();

    Context context_;
    QuizRandom random_;
    QuizSession session_;
    /// An entry of ComboBox1: a book, or the review of a book.
    struct TrainingChoice {
        TrainingBookItem book;
        bool review = false;
    };
    QList<TrainingChoice> trainingFiles_;  ///< parallel to ComboBox1's items
    BookKey bookKey_;                      ///< the loaded book as the record knows it
    int rememberedPage_ = 2;
    bool panelRaised_ = false;  ///< the caption of Panel16: "↑" raised, "↓" lowered
    int panelHeight_ = 0;       ///< Panel16's height while it moves
    int procedureWidth_ = 0;    ///< the width the procedure lines were wrapped for; 0 before

    QWidget *Panel10 = nullptr;
    TShape *Shape4 = nullptr;
    QLabel *ZanLabel = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *StartBtn = nullptr;
    QFrame *Panel11 = nullptr;
    QWidget *Panel15 = nullptr, *Panel17 = nullptr, *Panel18 = nullptr;
    QFrame *Panel16 = nullptr;
    QLabel *Label14 = nullptr, *Label31 = nullptr, *Label33 = nullptr;
    QList<QLabel *> procedureLines_;  ///< the six numbered steps, Label14 to Label31
    TShape *Shape2 = nullptr, *Shape3 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label29 = nullptr, *Label30 = nullptr;
    QLabel *WomanImage = nullptr, *ManImage = nullptr;
    QTimer *OpenTimer = nullptr, *MantenTimer = nullptr;
    TStdScore *score_ = nullptr;
    TQType1 *question_ = nullptr;
    MissedWordsPanel *missed_ = nullptr;  ///< made at the first set's end
};
