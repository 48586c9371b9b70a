#pragma once

#include "learning/LearningTypes.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QSqlDatabase;

/// The learning record: every judged question and each word's box, kept in one SQLite file
/// beside the program's other system files. Word books stay untouched: a word is known by its
/// book and its foreign and Japanese texts, so rows may move and books may be copied.
///
/// Each write is one short transaction in WAL mode on the calling thread; a write that fails
/// (the file locked by another program, the disk full) leaves the record unavailable for the
/// rest of the run, and the quiz goes on without it.
class LearningRecord
{
public:
    LearningRecord();
    ~LearningRecord();
    LearningRecord(const LearningRecord &) = delete;
    LearningRecord &operator=(const LearningRecord &) = delete;

    /// Opens the record file, creating it (or the tables of an empty file) when needed and
    /// bringing an older schema up to date. None when the record can be kept; otherwise why
    /// not, and the record stays unavailable (the file is left as it is).
    std::optional<RecordProblem> Open(const QString &path);
    bool Available() const;
    /// Why the record is not kept: the open's problem, or the first write that failed.
    std::optional<RecordProblem> Problem() const;

    /// Writes a judgement; on its word's first judgement in a question, moves the word's box:
    /// wrong to 0, right one box up (at most TopBox). False when it could not be written (the
    /// record is unavailable from then on).
    bool RecordJudgement(const JudgementRecord &judgement);
    /// Writes the score of a finished set.
    bool RecordSet(const BookKey &book, const SetRecord &set);

    /// The box of each recorded word of a book.
    QHash<WordKey, int> Boxes(const BookKey &book) const;
    /// Whether anything of a book is recorded (one indexed look-up; no book needs reading).
    bool KnowsBook(const BookKey &book) const;
    /// Whether a book has recorded words below the top box (cheap: no book needs reading).
    bool HasWordsBelowTop(const BookKey &book) const;
    /// Whether a book has recorded words in the top box.
    bool HasWordsInTop(const BookKey &book) const;

    /// The rows of words (parallel to the book's rows) to review: recorded words below the top
    /// box that are still in the book, lowest box first, the longest unasked first within a
    /// box; at most limit rows.
    QList<ReviewWord> ReviewWords(const BookKey &book, const QList<WordKey> &words, int limit) const;
    /// How many words of the book stand in each box, and how many were never asked.
    BoxCounts CountBoxes(const BookKey &book, const QList<WordKey> &words) const;
    /// The scores of a book's finished sets, oldest first.
    QList<SetRecord> SetScores(const BookKey &book) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
