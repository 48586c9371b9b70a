#include "mainwindow/TrainingWordJump.h"

#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QTimer>

#include <utility>

TrainingWordJump::TrainingWordJump(Context context, QObject *parent) : QObject(parent), context_(std::move(context))
{
    setObjectName(QStringLiteral("TrainingWordJump"));
    CallTimer = new QTimer(this);
    CallTimer->setObjectName(QStringLiteral("CallTimer"));
    CallTimer->setInterval(100);
    connect(CallTimer, &QTimer::timeout, this, &TrainingWordJump::CallTimerTimer);
}

void TrainingWordJump::Request(int row, int wordCount)
{
    CallTimer->stop();
    row_ = row;
    wordCount_ = wordCount;
    stage_ = Stage::SwitchingPage;  // before the switch: the word-book page asks OpensBookAtOnce
    context_.showWordBookPage();
}

void TrainingWordJump::PagesShrunk()
{
    if (stage_ != Stage::SwitchingPage)
        return;
    stage_ = Stage::WaitingForList;
    WordBookPage &page = context_.wordBookPage;
    if (page.SelectBookByFileName(page.Book().FileName))
        CallTimer->start();
    else
        stage_ = Stage::Idle;  // the book is no longer in its folder
}

void TrainingWordJump::Cancel()
{
    CallTimer->stop();
    stage_ = Stage::Idle;
}

void TrainingWordJump::CallTimerTimer()
{
    if (stage_ != Stage::WaitingForList) {
        CallTimer->stop();
        return;
    }
    if (wordCount_ <= 0 || row_ < 0 || context_.wordBookPage.WordRows() != wordCount_)
        return;  // the book is still loading
    // Stopped before the modal word dialog opens, so that this event is not entered again.
    CallTimer->stop();
    stage_ = Stage::OpeningDialog;
    context_.wordBookPage.ChooseWord(row_);
    if (context_.editWord.isEnabled())
        context_.editWord.trigger();
    stage_ = Stage::Idle;
}
