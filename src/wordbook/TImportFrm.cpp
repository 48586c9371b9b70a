#include "wordbook/TImportFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString SeparatorName(QChar separator)
{
    switch (separator.unicode()) {
    case u'\t': return QStringLiteral("タブ区切り");
    case u',': return QStringLiteral("カンマ区切り");
    case u';': return QStringLiteral("セミコロン区切り");
    default: return QStringLiteral("「%1」区切り").arg(separator);
    }
}

/// A column as the lists name it: its number, and its name when the file gives one.
QString ColumnCaption(const CardTable &table, int column)
{
    const QString number = QStringLiteral("列%1").arg(column + 1);
    return column < table.columnNames.size() && !table.columnNames.at(column).isEmpty()
               ? number + QStringLiteral("：") + table.columnNames.at(column)
               : number;
}

/// A preview cell on one line: line breaks shown as " ⏎ ".
QString OneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.replace(u'\n', QStringLiteral(" ⏎ "));
}

}  // namespace

TImportFrm::TImportFrm(const QString &fileName, const CardTable &table, const QStringList &fieldNames, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TImportFrm"));
    setWindowTitle(QStringLiteral("テキストから単語帳に取り込む"));
    resize(600, 470);
    auto *column = new QVBoxLayout(this);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    QString summary = QStringLiteral("■ファイル： %1\n■%2、%3 行")
                          .arg(fileName, SeparatorName(table.separator))
                          .arg(table.rows.size());
    if (!table.problems.isEmpty())
        summary += QStringLiteral("（ほかに読めない行が %1 行あります）").arg(table.problems.size());
    Label1->setText(summary);
    column->addWidget(Label1);

    const int columns = std::max(table.ColumnCount(), int(table.columnNames.size()));  // every cell can be chosen
    const int shown = int(std::min<qsizetype>(table.rows.size(), kPreviewRows));
    column->addWidget(new QLabel(QStringLiteral("■最初の %1 行：").arg(shown), this));
    ListView1 = new QTableWidget(shown, columns, this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList captions;
    for (int c = 0; c < columns; ++c)
        captions << ColumnCaption(table, c);
    ListView1->setHorizontalHeaderLabels(captions);
    QStringList lineNumbers;
    for (int row = 0; row < shown; ++row) {
        lineNumbers << QString::number(table.rowLines.at(row));
        const QStringList &fields = table.rows.at(row);
        for (int c = 0; c < fields.size(); ++c)
            ListView1->setItem(row, c, new QTableWidgetItem(OneLine(fields.at(c))));
    }
    ListView1->setVerticalHeaderLabels(lineNumbers);  // the file's line numbers
    ListView1->setFocusPolicy(Qt::NoFocus);
    ListView1->horizontalHeader()->setDefaultSectionSize(130);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(ListView1, 1);
    CheckBox1 = new QCheckBox(QStringLiteral("1行目は見出しなので取り込まない"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(FirstRowNamesColumns(table, fieldNames));  // a row of field names
    column->addWidget(CheckBox1);

    auto *fieldsBox = new QGroupBox(QStringLiteral("取り込む列"), this);
    fieldsBox->setObjectName(QStringLiteral("GroupBox1"));
    auto *form = new QFormLayout(fieldsBox);
    const CardColumns guessed = GuessCardColumns(table, fieldNames);
    for (int field = 0; field < CardFieldCount; ++field) {
        auto *choice = new QComboBox(fieldsBox);
        choice->setObjectName(QStringLiteral("ComboBox%1").arg(field + 1));
        choice->addItem(QStringLiteral("（取り込まない）"), -1);
        for (int c = 0; c < columns; ++c)
            choice->addItem(ColumnCaption(table, c), c);
        choice->setCurrentIndex(guessed[std::size_t(field)] + 1);
        connect(choice, &QComboBox::currentIndexChanged, this, &TImportFrm::UpdateButton);
        FieldColumns[std::size_t(field)] = choice;
        const bool required = field == int(CardField::Foreign) || field == int(CardField::Japanese);
        form->addRow(fieldNames.value(field) + (required ? QStringLiteral("（必須）：") : QStringLiteral("：")),
                     choice);
    }
    column->addWidget(fieldsBox);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button1 = new QPushButton(QStringLiteral("取り込む"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    auto *button2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(Button1);
    buttons->addWidget(button2);
    column->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButton();
}

CardColumns TImportFrm::Columns() const
{
    CardColumns columns;
    for (int field = 0; field < CardFieldCount; ++field)
        columns[std::size_t(field)] = FieldColumns[std::size_t(field)]->currentData().toInt();
    return columns;
}

bool TImportFrm::FirstRowIsHeading() const
{
    return CheckBox1->isChecked();
}

void TImportFrm::UpdateButton()
{
    const CardColumns columns = Columns();
    Button1->setEnabled(columns[std::size_t(CardField::Foreign)] >= 0 &&
                        columns[std::size_t(CardField::Japanese)] >= 0);
}
