#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;
struct Settings;

/// A word answered wrong at its first judgement, as the missed-words list shows it.
struct MissedWordView {
    int row = 0;       ///< the word's row in the book, from 0
    QString japanese;  ///< the meaning asked
    QString answer;    ///< the typed answer as judged
    QString expected;  ///< the right answer
};

/// The words of the set that just ended that were answered wrong at their first judgement: the
/// meaning, the typed answer with its differences marked, the right answer and the keys of the
/// accented letters missed. Double click or F8 on a row asks to edit its word.
class MissedWordsPanel : public QFrame
{
    Q_OBJECT

public:
    enum Column { JapaneseColumn, AnswerColumn, ExpectedColumn, AccentColumn };

    MissedWordsPanel(const Settings &settings, QWidget *parent);

    void ShowMissed(const QList<MissedWordView> &words);
    /// F8 from the window while the list shows: asks to edit the selected word, if any.
    void EditCurrentWord();

signals:
    /// Edit the word at row of the book (from 0).
    void EditWordRequested(int row);
    /// 問題に戻る.
    void BackRequested();
    /// Enter in the list: on to what NEXT does.
    void ContinueRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void EditWord(int tableRow);
    void FitRows();

    const Settings &settings_;
    QList<MissedWordView> words_;
    QLabel *MissedHeadingLabel = nullptr;
    QTableWidget *MissedWordsTable = nullptr;
    QLabel *MissedLegendLabel = nullptr;
    QLabel *MissedEditNoteLabel = nullptr;
    QPushButton *BackToQuestionBtn = nullptr;
};
