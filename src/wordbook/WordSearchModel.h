#pragma once

#include "wordbook/WordSearch.h"

#include <QAbstractTableModel>

#include <array>

/// The rows of the search result list: foreign, phonetic, kana, book title, number ("*" in
/// front for an exact hit), Japanese, notes and an empty reserve column. The word fields are
/// shown unescaped and read from a hit's line only when its row is shown. A search without
/// hits shows the single row "- なし -", which is no word.
class WordSearchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Foreign, Phonetic, Kana, Title, Number, Japanese, Notes, Reserve, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// The hits of a search in their order; no hits shows "- なし -". A title that several of
    /// the books share is shown with its file's name.
    void ShowHits(const QList<SearchedBook> &books, QList<WordSearchHit> hits);
    /// No rows at all (an empty search text).
    void Clear();

    /// The hit a row shows; none for the "- なし -" row and outside the list.
    const WordSearchHit *HitAt(int row) const;
    /// Whether books of the search share a title (their rows then name their files).
    bool TitlesRepeat() const { return titlesRepeat_; }
    /// The book column's longest text.
    QString LongestTitle() const;
    /// The name of the file a hit was found in.
    QString FileOf(const WordSearchHit &hit) const { return files_.value(hit.book); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList titles_;  ///< as shown, per book
    QStringList files_;
    bool titlesRepeat_ = false;
    QList<WordSearchHit> hits_;
    bool noneRow_ = false;
    // The last row asked for, its word fields read once for all of its cells.
    mutable qsizetype cachedRow_ = -1;
    mutable std::array<QString, 5> cachedFields_;
};
