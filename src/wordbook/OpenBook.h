#pragma once

#include "lib/FileError.h"
#include "wordbook/WordBook.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordList.h"

#include <QObject>

#include <array>
#include <optional>
#include <vector>

/// The word book that is open: the book, its file and the file's stamp, and the lists of
/// changes that can be undone and redone. Every change is written to the file at once, and
/// taken back when the write fails, so that the book, the file and the lists agree. Nothing is
/// shown from here: each change returns what it came to, and the signals tell the word list
/// which rows changed.
class OpenBook : public QObject
{
    Q_OBJECT

public:
    /// What a change to the book is, as the undo captions name it.
    enum class ChangeKind { Register, Insert, Edit, Delete, Move, Sort, Properties };

    /// What a change came to.
    enum class Outcome {
        Written,        ///< the book holds the change and the file too
        ChangedOnDisk,  ///< the book holds it, unwritten: another program changed the file
                        ///< since it was read; Overwrite or Reread decides
        Failed,         ///< not written (error says why): the change is taken back
        Refused,        ///< nothing to change (no book open, a row out of range, nothing to undo)
    };
    struct ChangeResult {
        Outcome outcome = Outcome::Refused;
        FileError error;
        /// The row the change left the word at (to be selected); none when no single word is
        /// concerned (a word deleted, a sort).
        std::optional<qsizetype> row;
        bool Written() const { return outcome == Outcome::Written; }
    };

    explicit OpenBook(QObject *parent = nullptr);

    const WordBook &Book() const { return book_; }

    /// Reads folder/fileName as the open book. A missing file changes nothing; any other
    /// outcome replaces the book (see ReadWordBook) and empties the undo and redo lists.
    WordBookReadResult Open(const QString &folder, const QString &fileName);
    /// Reads the open book's file again, dropping a change waiting for Overwrite.
    WordBookReadResult Reread();
    /// No book is open.
    void Close();
    /// The book is only a header (the training took it): no words, nothing to undo.
    void OpenHeader(const QString &folder, const QString &fileName, const QString &title, const QString &group,
                    const QString &typeName);
    /// The open book is only its header: it takes no change (writing it would leave its file
    /// without its words) until its words are read (Reread).
    bool HeaderOnly() const { return headerOnly_; }

    /// A word before row (row == the number of words: after the last, a registration).
    ChangeResult Insert(qsizetype row, const WordEntry &word);
    ChangeResult Replace(qsizetype row, const WordEntry &word);
    ChangeResult Remove(qsizetype row);
    /// The word at from so that it stands at to afterwards (both 0-based).
    ChangeResult Move(qsizetype from, qsizetype to);
    ChangeResult Sort(WordField field, int direction);
    ChangeResult SetProperties(const QString &title, const QString &group, const QString &typeName);
    ChangeResult Undo();
    ChangeResult Redo();
    /// After ChangedOnDisk: writes the waiting change over the other program's.
    ChangeResult Overwrite();

    std::optional<ChangeKind> UndoKind() const;
    std::optional<ChangeKind> RedoKind() const;

signals:
    void RowsAboutToBeInserted(qsizetype first, qsizetype last);
    void RowsInserted();
    void RowsAboutToBeRemoved(qsizetype first, qsizetype last);
    void RowsRemoved();
    /// The word at from comes to stand at to.
    void RowAboutToMove(qsizetype from, qsizetype to);
    void RowMoved();
    void RowChanged(qsizetype row);
    void OrderAboutToChange();
    /// The words were put into a new order: newRow[k] is where the word of row k stands now.
    void OrderChanged(const std::vector<qsizetype> &newRow);
    /// Title, group or type changed.
    void HeaderChanged();
    void BookAboutToBeReplaced();
    /// Another book (or none, or the same read again) is open.
    void BookReplaced();
    /// What can be undone or redone changed.
    void UndoStateChanged();

private:
    struct Command {
        ChangeKind kind = ChangeKind::Edit;
        qsizetype row = 0;
        qsizetype to = 0;               ///< Move: where the word goes
        WordEntries::Held held;         ///< Insert/Delete: the word; Edit: the other version
        std::vector<qsizetype> order;   ///< Sort: order[k] is the row the k-th word comes from
        std::array<QString, 3> header;  ///< Properties: the other title, group and type
    };
    /// Where a command, once applied, is filed: a new change, an undo or a redo.
    enum class Direction { New, Undo, Redo };

    /// Applies a command (forward) or takes it back, telling the rows; returns the row to select.
    std::optional<qsizetype> Apply(Command &command, bool forward);
    /// Applies a command and writes the book; files it as its direction says once written.
    ChangeResult Run(Command command, Direction direction);
    /// Writes the book with the applied pending command.
    ChangeResult WritePending();
    void ReplaceBook(WordBook book);
    void ClearHistory();

    WordBook book_;
    bool headerOnly_ = false;
    std::vector<Command> undo_;
    std::vector<Command> redo_;
    /// A change the book holds while the caller decides about another program's change.
    struct Pending {
        Command command;
        Direction direction;
        std::optional<qsizetype> row;
    };
    std::optional<Pending> pending_;
};
