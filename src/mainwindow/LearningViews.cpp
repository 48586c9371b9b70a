#include "mainwindow/LearningViews.h"

#include "dialogs/MessageSeam.h"
#include "learning/LearningChartDialog.h"
#include "learning/LearningRecord.h"
#include "learning/LearningSummary.h"
#include "training/BookLearning.h"

QList<std::optional<int>> MasteredShares(const LearningRecord &record, const QString &folderPath,
                                         const QList<BookRow> &rows,
                                         const std::function<BookKey(const BookRow &row)> &keyOf)
{
    QList<std::optional<int>> shares;
    shares.reserve(rows.size());
    for (const BookRow &row : rows) {
        const BookKey key = keyOf(row);
        shares.append(record.KnowsBook(key)
                          ? RecordedMasteredPercent(CountBookBoxes(record, key, folderPath + u'/' + row.fileName))
                          : std::nullopt);
    }
    return shares;
}

void ShowLearningChart(QWidget *parent, const LearningRecord *record, const BookKey &key, const QString &path)
{
    if (!record) {
        MessageSeam::Notify(parent, QStringLiteral("学習の記録を開けないため、表示できません。"));
        return;
    }
    LearningChartDialog dialog(key.title, record->SetScores(key), CountBookBoxes(*record, key, path), parent);
    dialog.exec();
}
