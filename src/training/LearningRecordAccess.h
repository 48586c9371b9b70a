#pragma once

#include "learning/LearningTypes.h"

#include <QString>

#include <functional>
#include <memory>

class LearningRecord;
class QWidget;

/// The learning record as the windows reach it: opened when first needed (so that start-up
/// loads no database), and when it cannot be kept, the user is told once, in Japanese, that
/// this run keeps no record; the training goes on without it.
class LearningRecordAccess
{
public:
    /// path gives the record file's path when it is first opened.
    explicit LearningRecordAccess(std::function<QString()> path);
    ~LearningRecordAccess();

    /// The record, opened on the first call; null when it cannot be kept (told once, over
    /// parent).
    LearningRecord *Record(QWidget *parent);
    /// A write just failed: tells once why the record is not kept from now on.
    void TellWriteFailed(QWidget *parent);

private:
    void TellOnce(QWidget *parent, const QString &text);

    std::function<QString()> path_;
    std::unique_ptr<LearningRecord> record_;
    bool opened_ = false;
    bool told_ = false;
};

/// Why the record cannot be kept, in Japanese.
QString RecordProblemText(const RecordProblem &problem);
