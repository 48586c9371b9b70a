#pragma once

#include "wordbook/WordBook.h"

#include <QAbstractTableModel>

/// The rows of the word list (ListView1): the open book's words, read only when a row is shown.
/// The captions follow the word order, the language and the book type.
class WordListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    WordListModel(const WordBook &book, QObject *parent);

    /// The book's words changed (read, edited, sorted): every row is shown anew.
    void Reload();
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
    const WordBook &book_;
    bool foreignFirst_ = true;
    QString languageName_;
    QString phoneticCaption_ = QStringLiteral("発音記号");
    // The last row asked for, parsed once for all of its cells.
    mutable qsizetype cachedRow_ = -1;
    mutable WordEntry cachedEntry_;
};
