#pragma once

#include "support/WidgetLookup.h"
#include "wordbook/BookListModel.h"

#include <QCheckBox>
#include <QTreeView>

/// The word-book page's book list (ListView2) in a window, and its rows.
inline QTreeView *BookList(const QWidget *window)
{
    return Find<QTreeView>(window, QStringLiteral("ListView2"));
}
inline const QList<BookRow> &BookRows(const QWidget *window)
{
    return static_cast<BookListModel *>(BookList(window)->model())->Rows();
}

/// Selects the row of a book with CheckBox2 unticked, which opens it at once.
inline void OpenBookByFileName(QWidget *window, const QString &fileName)
{
    Find<QCheckBox>(window, QStringLiteral("CheckBox2"))->setChecked(false);
    for (int row = 0; row < BookRows(window).size(); ++row) {
        if (BookRows(window)[row].fileName == fileName)
            ClickRow(BookList(window), row);
    }
}
