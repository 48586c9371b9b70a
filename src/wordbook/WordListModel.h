#pragma once

#include "wordbook/OpenBook.h"

#include <QAbstractTableModel>

/// The rows of the word list (ListView1): the open book's words, read only when a row is shown.
/// The captions follow the word order, the language and the book type. An edit of the book is
/// reported as the rows it touches (inserted, removed, moved, changed), a sort as a new layout,
/// and only another book as a reset, so that one edit of a large book lays out nothing anew.
class WordListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    WordListModel(const OpenBook &book, QObject *parent);

    void SetWordOrder(bool foreignFirst);
    bool ForeignFirst() const { return foreignFirst_; }
    void SetLanguageName(const QString &languageName);
    /// Column 2's caption follows a book's type as it is read.
    void SetPhoneticCaption(const QString &caption);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Forget() { cachedRow_ = -1; }
    void ConnectTo(const OpenBook &book);
    void ChangeOrder(const std::vector<qsizetype> &newRow);

    const WordBook &book_;
    bool foreignFirst_ = true;
    QString languageName_;
    QString phoneticCaption_ = QStringLiteral("発音記号");
    // The last row asked for, parsed once for all of its cells.
    mutable qsizetype cachedRow_ = -1;
    mutable WordEntry cachedEntry_;
};
