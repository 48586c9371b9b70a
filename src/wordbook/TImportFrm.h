#pragma once

#include "wordbook/FlashCardText.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// The import dialog: the first rows of a TSV or CSV file as they were read, and for each
/// field of the word book the column it is taken from. "取り込む" works once the foreign word
/// and the Japanese meaning each have a column.
class TImportFrm : public QDialog
{
    Q_OBJECT

public:
    /// fieldNames: the five fields as the word list names them (the language's name first).
    TImportFrm(const QString &fileName, const CardTable &table, const QStringList &fieldNames, QWidget *parent);

    /// The chosen columns; valid after the dialog was accepted.
    CardColumns Columns() const;
    /// The first row names the columns and is not a word.
    bool FirstRowIsHeading() const;

private:
    void UpdateButton();

    static constexpr int kPreviewRows = 8;
    QLabel *Label1 = nullptr;
    QTableWidget *ListView1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;                          ///< the first row is a heading
    std::array<QComboBox *, CardFieldCount> FieldColumns{};  ///< ComboBox1..5
    QPushButton *Button1 = nullptr;
};
