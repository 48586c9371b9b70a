#pragma once

#include "wordbook/WordBook.h"

#include <QObject>

#include <functional>

class QWidget;

/// The word-book menu's exchange with flash-card programs: the open book written as
/// tab-separated UTF-8 text, and a TSV or CSV file taken into a new book.
class BookTextExchange : public QObject
{
    Q_OBJECT

public:
    struct Context {
        std::function<const WordBook &()> openBook;
        std::function<QString()> languageName;  ///< the foreign field's name (英語 …)
        /// Makes a new book of the words through the new-book dialog, its title proposed;
        /// false when the user cancelled or it could not be written.
        std::function<bool(const QList<WordEntry> &words, const QString &proposedTitle)> createBook;
    };
    BookTextExchange(Context context, QWidget *parent);

    /// テキスト(TSV/CSV)に書き出す: the open book into a file the user names.
    void ExportTextExecute();
    /// テキスト(TSV/CSV)から取り込む: a file the user chooses, its columns mapped in the import
    /// dialog, its bad rows told in one message, its words into a new book.
    void ImportTextExecute();

private:
    QStringList FieldNames() const;

    Context context_;
    QWidget *parent_;
    QString lastFolder_;  ///< where the last file was written or read (this session only)
};
