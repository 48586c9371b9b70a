#pragma once

#include <QPixmap>

/// The verdict pictures beside the quiz: a man and a woman in eight poses each, 100 × 100 with
/// a transparent background, from the worst verdict (0: displeased, hands on hips) through
/// collapsed (1), running (2), walking briskly (3) and a lively wave (4) to the jubilant poses
/// of a perfect set (5 leaping, 6 dancing, 7 both arms raised).
QPixmap VerdictFigure(bool man, int pose);
