#include "training/MissedWordsPanel.h"

#include "app/Settings.h"
#include "dialogs/InstalledFonts.h"
#include "training/AnswerDiff.h"
#include "training/AnswerMarkup.h"
#include "training/WrappedTextDelegate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kJapanesePoints = 12;
constexpr int kLatinPoints = 13;

QTableWidgetItem *Cell(const QString &text, const QFont &font)
{
    auto *item = new QTableWidgetItem(text);
    item->setFont(font);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

MissedWordsPanel::MissedWordsPanel(const Settings &settings, QWidget *parent) : QFrame(parent), settings_(settings)
{
    setObjectName(QStringLiteral("MissedWordsPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    BuildControls();
    ShowMissed({});
}

void MissedWordsPanel::BuildControls()
{
    const QFont japanese = InstalledFont(settings_.MyJpFont, kJapanesePoints);
    MissedHeadingLabel = new QLabel(this);
    MissedHeadingLabel->setObjectName(QStringLiteral("MissedHeadingLabel"));
    QFont heading = InstalledFont(settings_.MyJpFont, kJapanesePoints + 2);
    heading.setBold(true);
    MissedHeadingLabel->setFont(heading);
    MissedHeadingLabel->setWordWrap(true);

    MissedWordsTable = new QTableWidget(0, 4, this);
    MissedWordsTable->setObjectName(QStringLiteral("MissedWordsTable"));
    MissedWordsTable->setHorizontalHeaderLabels(
        {QStringLiteral("日本語"), QStringLiteral("あなたの解答"), QStringLiteral("正解"), QStringLiteral("打ち方")});
    MissedWordsTable->horizontalHeader()->setFont(japanese);
    MissedWordsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MissedWordsTable->verticalHeader()->hide();
    MissedWordsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    MissedWordsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    MissedWordsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MissedWordsTable->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    MissedWordsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MissedWordsTable->setWordWrap(true);
    MissedWordsTable->setItemDelegate(new WrappedTextDelegate(MissedWordsTable));
    MissedWordsTable->installEventFilter(this);
    connect(MissedWordsTable, &QTableWidget::cellDoubleClicked, this, [this](int row) { EditWord(row); });
    // The columns follow the panel's width and the rows their wrapped texts, once the header
    // has stretched its sections to the new width.
    MissedWordsTable->viewport()->installEventFilter(this);
    setFocusProxy(MissedWordsTable);

    MissedLegendLabel = new QLabel(AnswerMarkLegendHtml(), this);
    MissedLegendLabel->setObjectName(QStringLiteral("MissedLegendLabel"));
    MissedLegendLabel->setTextFormat(Qt::RichText);
    MissedLegendLabel->setFont(japanese);
    MissedLegendLabel->setWordWrap(true);
    MissedEditNoteLabel = new QLabel(QStringLiteral("ダブルクリックまたはF8で単語を編集できます。"), this);
    MissedEditNoteLabel->setObjectName(QStringLiteral("MissedEditNoteLabel"));
    MissedEditNoteLabel->setFont(japanese);
    MissedEditNoteLabel->setWordWrap(true);

    BackToQuestionBtn = new QPushButton(QStringLiteral("問題に戻る"), this);
    BackToQuestionBtn->setObjectName(QStringLiteral("BackToQuestionBtn"));
    BackToQuestionBtn->setFont(japanese);
    BackToQuestionBtn->setAutoDefault(false);
    connect(BackToQuestionBtn, &QPushButton::clicked, this, &MissedWordsPanel::BackRequested);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(MissedEditNoteLabel, 1);
    bottom->addWidget(BackToQuestionBtn, 0, Qt::AlignRight | Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(MissedHeadingLabel);
    layout->addWidget(MissedWordsTable, 1);
    layout->addWidget(MissedLegendLabel);
    layout->addStretch(0);
    layout->addLayout(bottom);
}

void MissedWordsPanel::ShowMissed(const QList<MissedWordView> &words)
{
    words_ = words;
    const bool any = !words_.isEmpty();
    MissedHeadingLabel->setText(any ? QStringLiteral("この勝負で間違えた単語（%1語）").arg(words_.size())
                                    : QStringLiteral("この勝負で間違えた単語はありません。"));
    MissedWordsTable->setVisible(any);
    MissedLegendLabel->setVisible(any);
    MissedEditNoteLabel->setVisible(any);

    const QFont japanese = InstalledFont(settings_.MyJpFont, kJapanesePoints);
    const QFont latin = InstalledFont(QStringLiteral("Arial"), kLatinPoints);
    MissedWordsTable->clearContents();
    MissedWordsTable->setRowCount(int(words_.size()));
    for (int i = 0; i < int(words_.size()); ++i) {
        const MissedWordView &word = words_[i];
        const AnswerDiff diff = DiffAnswer(word.answer, word.expected);
        auto *answer = Cell(word.answer.isEmpty() ? QString::fromUtf16(NotTypedText) : word.answer, latin);
        answer->setData(WrappedTextDelegate::HtmlRole, MarkedAnswerHtml(diff));
        MissedWordsTable->setItem(i, JapaneseColumn, Cell(word.japanese, japanese));
        MissedWordsTable->setItem(i, AnswerColumn, answer);
        MissedWordsTable->setItem(i, ExpectedColumn, Cell(word.expected, latin));
        MissedWordsTable->setItem(i, AccentColumn, Cell(diff.HintsText(), latin));
    }
    if (any)
        MissedWordsTable->setCurrentCell(0, JapaneseColumn);
    FitRows();
}

void MissedWordsPanel::FitRows()
{
    MissedWordsTable->resizeRowsToContents();
}

void MissedWordsPanel::EditCurrentWord()
{
    EditWord(MissedWordsTable->currentRow());
}

void MissedWordsPanel::EditWord(int tableRow)
{
    if (tableRow >= 0 && tableRow < words_.size())
        emit EditWordRequested(words_[tableRow].row);
}

bool MissedWordsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MissedWordsTable->viewport() && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &MissedWordsPanel::FitRows, Qt::QueuedConnection);
    // F8 edits the selected word; the table takes it before the window's own F8.
    if (watched == MissedWordsTable &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F8 && key->modifiers() == Qt::NoModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                EditWord(MissedWordsTable->currentRow());
            return event->type() == QEvent::KeyPress;
        }
        // Enter goes on with the training, as it does on NEXT before the list shows.
        if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            emit ContinueRequested();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
