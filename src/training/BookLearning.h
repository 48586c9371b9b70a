#pragma once

#include "learning/LearningTypes.h"

#include <QString>

class LearningRecord;

/// How many words of a book file stand in each box, and how many were never asked: the file
/// read as the training reads it, its words matched to the record by their texts.
BoxCounts CountBookBoxes(const LearningRecord &record, const BookKey &key, const QString &path);
