#pragma once

#include <QObject>

#include <functional>

class QAction;
class QTimer;
class WordBookPage;

/// F8 on a question's result page: from the training page to the word dialog on that word.
/// The jump goes through stages, since each waits for the window: the page switch (the pages
/// shrink back to their normal height), the training book chosen in the book list until its
/// words are listed, and the word dialog.
class TrainingWordJump : public QObject
{
    Q_OBJECT

public:
    enum class Stage {
        Idle,
        SwitchingPage,   ///< the word-book page shows; the pages shrink to their normal height
        WaitingForList,  ///< the book is chosen in the book list; CallTimer waits for its words
        OpeningDialog,   ///< the word is chosen and its dialog is open
    };

    struct Context {
        WordBookPage &wordBookPage;
        QAction &editWord;                       ///< 単語の編集 on the chosen word
        std::function<void()> showWordBookPage;  ///< leaves the training page when it shows
    };

    TrainingWordJump(Context context, QObject *parent);

    Stage CurrentStage() const { return stage_; }
    /// While the jump is under way the word-book page opens the chosen book at once instead of
    /// sliding the book list away first.
    bool OpensBookAtOnce() const { return stage_ == Stage::SwitchingPage || stage_ == Stage::WaitingForList; }

    /// F8: the word of row (from 0) of the training book of wordCount words is to be edited.
    void Request(int row, int wordCount);
    /// The pages are back at their normal height: the open book is chosen in the book list.
    void PagesShrunk();
    /// The training page shows again: the jump is dropped.
    void Cancel();

private:
    /// Waits until the book's words are listed, then opens the word dialog on the word.
    void CallTimerTimer();

    Context context_;
    Stage stage_ = Stage::Idle;
    int row_ = -1;
    int wordCount_ = 0;
    QTimer *CallTimer = nullptr;
};
