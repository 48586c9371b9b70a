#include "wordbook/OpenBook.h"

#include <utility>

OpenBook::OpenBook(QObject *parent) : QObject(parent) {}

WordBookReadResult OpenBook::Open(const QString &folder, const QString &fileName)
{
    WordBook read;
    const WordBookReadResult result = ReadWordBook(folder, fileName, read);
    if (result.status == WordBookStatus::Missing)
        return result;
    ReplaceBook(std::move(read));
    return result;
}

WordBookReadResult OpenBook::Reread()
{
    const QString folder = book_.Folder;
    const QString fileName = book_.FileName;
    return Open(folder, fileName);
}

void OpenBook::Close()
{
    ReplaceBook({});
}

void OpenBook::OpenHeader(const QString &folder, const QString &fileName, const QString &title, const QString &group,
                          const QString &typeName)
{
    WordBook header;
    header.Folder = folder;
    header.FileName = fileName;
    header.Title = title;
    header.Group = group;
    header.TypeName = typeName;
    ReplaceBook(std::move(header));
    headerOnly_ = true;
}

void OpenBook::ReplaceBook(WordBook book)
{
    emit BookAboutToBeReplaced();
    book_ = std::move(book);
    headerOnly_ = false;
    pending_.reset();
    ClearHistory();
    emit BookReplaced();
}

void OpenBook::ClearHistory()
{
    undo_.clear();
    redo_.clear();
    emit UndoStateChanged();
}

OpenBook::ChangeResult OpenBook::Insert(qsizetype row, const WordEntry &word)
{
    if (row < 0 || row > book_.Entries.size())
        return {};
    Command command;
    command.kind = row == book_.Entries.size() ? ChangeKind::Register : ChangeKind::Insert;
    command.row = row;
    command.held = WordEntries::HeldWord(word);
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::Replace(qsizetype row, const WordEntry &word)
{
    if (row < 0 || row >= book_.Entries.size())
        return {};
    Command command;
    command.kind = ChangeKind::Edit;
    command.row = row;
    command.held = WordEntries::HeldWord(word);
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::Remove(qsizetype row)
{
    if (row < 0 || row >= book_.Entries.size())
        return {};
    Command command;
    command.kind = ChangeKind::Delete;
    command.row = row;
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::Move(qsizetype from, qsizetype to)
{
    const qsizetype n = book_.Entries.size();
    if (from < 0 || from >= n || to < 0 || to >= n || from == to)
        return {};
    Command command;
    command.kind = ChangeKind::Move;
    command.row = from;
    command.to = to;
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::Sort(WordField field, int direction)
{
    if (!book_.IsOpen())
        return {};
    Command command;
    command.kind = ChangeKind::Sort;
    command.order = SortOrder(book_.Entries, field, direction);
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::SetProperties(const QString &title, const QString &group, const QString &typeName)
{
    if (!book_.IsOpen())
        return {};
    Command command;
    command.kind = ChangeKind::Properties;
    command.header = {title, group, typeName};
    return Run(std::move(command), Direction::New);
}

OpenBook::ChangeResult OpenBook::Undo()
{
    if (undo_.empty() || pending_)
        return {};
    Command command = std::move(undo_.back());
    undo_.pop_back();
    return Run(std::move(command), Direction::Undo);
}

OpenBook::ChangeResult OpenBook::Redo()
{
    if (redo_.empty() || pending_)
        return {};
    Command command = std::move(redo_.back());
    redo_.pop_back();
    return Run(std::move(command), Direction::Redo);
}

std::optional<OpenBook::ChangeKind> OpenBook::UndoKind() const
{
    if (undo_.empty())
        return std::nullopt;
    return undo_.back().kind;
}

std::optional<OpenBook::ChangeKind> OpenBook::RedoKind() const
{
    if (redo_.empty())
        return std::nullopt;
    return redo_.back().kind;
}

OpenBook::ChangeResult OpenBook::Run(Command command, Direction direction)
{
    if (!book_.IsOpen() || pending_ || headerOnly_) {
        // Nothing is lost: an undo or redo goes back to its list.
        if (direction == Direction::Undo)
            undo_.push_back(std::move(command));
        else if (direction == Direction::Redo)
            redo_.push_back(std::move(command));
        return {};
    }
    const std::optional<qsizetype> row = Apply(command, direction != Direction::Undo);
    pending_ = Pending{std::move(command), direction, row};
    // Another program's change to the file is not written over without the caller's word.
    if (ChangedSinceRead(book_)) {
        ChangeResult result;
        result.outcome = Outcome::ChangedOnDisk;
        result.row = row;
        return result;
    }
    return WritePending();
}

OpenBook::ChangeResult OpenBook::Overwrite()
{
    if (!pending_)
        return {};
    return WritePending();
}

OpenBook::ChangeResult OpenBook::WritePending()
{
    Pending pending = std::move(*pending_);
    pending_.reset();
    const bool forward = pending.direction != Direction::Undo;
    ChangeResult result;
    if (WriteWordBook(book_, &result.error)) {
        result.outcome = Outcome::Written;
        result.row = pending.row;
        if (pending.direction == Direction::Undo) {
            redo_.push_back(std::move(pending.command));
        } else {
            if (pending.direction == Direction::New)
                redo_.clear();
            undo_.push_back(std::move(pending.command));
        }
        emit UndoStateChanged();
        return result;
    }
    // The file keeps what it held: so does the book, and the change keeps its place.
    Apply(pending.command, !forward);
    if (pending.direction == Direction::Undo)
        undo_.push_back(std::move(pending.command));
    else if (pending.direction == Direction::Redo)
        redo_.push_back(std::move(pending.command));
    result.outcome = Outcome::Failed;
    emit UndoStateChanged();
    return result;
}

std::optional<qsizetype> OpenBook::Apply(Command &command, bool forward)
{
    WordEntries &entries = book_.Entries;
    const qsizetype row = command.row;
    switch (command.kind) {
    case ChangeKind::Register:
    case ChangeKind::Insert:
    case ChangeKind::Delete: {
        // An insert and a delete are the same step in opposite directions.
        const bool putBack = forward == (command.kind != ChangeKind::Delete);
        if (putBack) {
            emit RowsAboutToBeInserted(row, row);
            entries.PutBack(row, command.held);
            emit RowsInserted();
            return row;
        }
        emit RowsAboutToBeRemoved(row, row);
        command.held = entries.TakeAt(row);
        emit RowsRemoved();
        return std::nullopt;
    }
    case ChangeKind::Edit: {
        WordEntries::Held other = entries.HeldAt(row);
        entries.SetHeld(row, command.held);
        command.held = std::move(other);
        emit RowChanged(row);
        return row;
    }
    case ChangeKind::Move: {
        const qsizetype from = forward ? row : command.to;
        const qsizetype to = forward ? command.to : row;
        emit RowAboutToMove(from, to);
        WordEntries::Held word = entries.TakeAt(from);
        // Taken back, the word's kept lines stand where they stood before it moved.
        const qsizetype keptBefore = word.keptBefore;
        word.keptBefore = forward ? -1 : command.held.keptBefore;
        if (forward)
            command.held.keptBefore = keptBefore;
        entries.PutBack(to, std::move(word));
        emit RowMoved();
        return to;
    }
    case ChangeKind::Sort: {
        const std::size_t n = command.order.size();
        std::vector<qsizetype> inverse(n);
        for (std::size_t k = 0; k < n; ++k)
            inverse[std::size_t(command.order[k])] = qsizetype(k);
        emit OrderAboutToChange();
        entries.Reorder(forward ? command.order : inverse);
        // Where each row's word stands now.
        emit OrderChanged(forward ? inverse : command.order);
        return std::nullopt;
    }
    case ChangeKind::Properties: {
        std::swap(book_.Title, command.header[0]);
        std::swap(book_.Group, command.header[1]);
        std::swap(book_.TypeName, command.header[2]);
        emit HeaderChanged();
        return std::nullopt;
    }
    }
    return std::nullopt;
}
