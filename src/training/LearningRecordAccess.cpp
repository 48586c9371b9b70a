#include "training/LearningRecordAccess.h"

#include "dialogs/MessageSeam.h"
#include "learning/LearningRecord.h"

#include <QDir>

LearningRecordAccess::LearningRecordAccess(std::function<QString()> path) : path_(std::move(path)) {}

LearningRecordAccess::~LearningRecordAccess() = default;

LearningRecord *LearningRecordAccess::Record(QWidget *parent)
{
    if (!opened_) {
        opened_ = true;
        record_ = std::make_unique<LearningRecord>();
        if (const std::optional<RecordProblem> problem = record_->Open(path_()))
            TellOnce(parent, QStringLiteral("学習の記録を開けないため、今回は記録を残さずにトレーニングします。\n\n%1")
                                 .arg(RecordProblemText(*problem)));
    }
    return record_->Available() ? record_.get() : nullptr;
}

void LearningRecordAccess::TellWriteFailed(QWidget *parent)
{
    if (!record_ || record_->Available())
        return;
    const std::optional<RecordProblem> problem = record_->Problem();
    TellOnce(parent,
             QStringLiteral("学習の記録に書き込めなくなったため、ここからは記録を残さずにトレーニングします。\n\n%1")
                 .arg(problem ? RecordProblemText(*problem) : QString()));
}

void LearningRecordAccess::TellOnce(QWidget *parent, const QString &text)
{
    if (told_)
        return;
    told_ = true;
    MessageSeam::Notify(parent, text);
}

QString RecordProblemText(const RecordProblem &problem)
{
    const QString file = QDir::toNativeSeparators(problem.path);
    const QString system =
        problem.systemText.isEmpty() ? QString() : QStringLiteral("\n（%1）").arg(problem.systemText);
    switch (problem.kind) {
    case RecordProblem::Kind::NoDriver:
        return QStringLiteral("データベースの部品（Qt の SQLite ドライバ）が入っていません。"
                              "パッケージ libqt6sql6-sqlite を入れてください。");
    case RecordProblem::Kind::CannotOpen:
        return QStringLiteral("記録ファイル %1 を開くことも作ることもできません。%2").arg(file, system);
    case RecordProblem::Kind::Damaged:
        return QStringLiteral("記録ファイル %1 が壊れているか、学習の記録ではありません。"
                              "ファイルは変えずにそのまま残してあります。%2")
            .arg(file, system);
    case RecordProblem::Kind::Locked:
        return QStringLiteral("記録ファイル %1 をほかのプログラムが使っています。%2").arg(file, system);
    case RecordProblem::Kind::NewerSchema:
        return QStringLiteral("記録ファイル %1 は新しい版の Quillmaren で書かれています。"
                              "ファイルは変えずにそのまま残してあります。")
            .arg(file);
    case RecordProblem::Kind::WriteFailed:
        return QStringLiteral("記録ファイル %1 に書き込めません（ディスクがいっぱいなど）。%2").arg(file, system);
    }
    return file;
}
