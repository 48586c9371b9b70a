#pragma once

#include "learning/LearningTypes.h"

#include <QDialog>
#include <QList>

class LearningChart;
class QLabel;

/// 学習の記録: a book's title and word count, a summary line (mastered words, sets, the mean
/// score) and its LearningChart. Shown with the record's figures of one book.
class LearningChartDialog : public QDialog
{
    Q_OBJECT

public:
    LearningChartDialog(const QString &title, QList<SetRecord> sets, BoxCounts counts, QWidget *parent = nullptr);

private:
    /// The dialog's first size: its preferred size within the screen it opens on.
    void FitToScreen();

    QLabel *TitleLabel = nullptr;
    QLabel *SummaryLabel = nullptr;
    LearningChart *Chart = nullptr;
};
