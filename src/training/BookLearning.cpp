#include "training/BookLearning.h"

#include "learning/LearningRecord.h"
#include "training/TrainingBook.h"

BoxCounts CountBookBoxes(const LearningRecord &record, const BookKey &key, const QString &path)
{
    return record.CountBoxes(key, WordKeysOfLines(ReadTrainingBook(path).lines));
}
