#pragma once

#include "learning/LearningTypes.h"

#include <QList>

class QuizRandom;

/// Words asked in every review set of a book: at most this many are chosen at a time.
inline constexpr int ReviewChoiceSize = 10;

/// The rows of a review set from the record's choice, which comes lowest box first: the words
/// of one box are shuffled among themselves (after seeding the generator anew), so that a
/// review keeps the weakest words first without always starting with the same one.
QList<int> ReviewRowsInBoxOrder(const QList<ReviewWord> &words, QuizRandom &random);
