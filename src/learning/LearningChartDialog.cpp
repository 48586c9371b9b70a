#include "learning/LearningChartDialog.h"

#include "learning/LearningChart.h"
#include "learning/LearningSummary.h"
#include "wordbook/WordBookFile.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

LearningChartDialog::LearningChartDialog(const QString &title, QList<SetRecord> sets, BoxCounts counts, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LearningChartDialog"));
    setWindowTitle(QStringLiteral("学習の記録"));
    setSizeGripEnabled(true);

    auto *column = new QVBoxLayout(this);
    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setTextFormat(Qt::PlainText);  // a title is the user's text, never markup
    TitleLabel->setWordWrap(true);
    QFont heading = TitleLabel->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    TitleLabel->setFont(heading);
    TitleLabel->setText(QStringLiteral("%1（%2 語）").arg(ShownHeaderLine(title)).arg(counts.Total()));
    column->addWidget(TitleLabel);

    SummaryLabel = new QLabel(LearningSummaryText(counts, sets), this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setTextFormat(Qt::PlainText);
    column->addWidget(SummaryLabel);

    Chart = new LearningChart(this);
    Chart->ShowRecord(std::move(sets), counts);
    column->addWidget(Chart, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    FitToScreen();
}

void LearningChartDialog::FitToScreen()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    QSize size(680, 600);
    if (screen) {
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(QSize(room.width() - 40, room.height() - 60));
    }
    resize(size.expandedTo(minimumSizeHint()));
}
