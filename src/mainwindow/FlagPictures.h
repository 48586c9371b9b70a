#pragma once

#include <QImage>

/// The sixteen 48 × 32 flag pictures of the six languages, in the order of the language
/// table: US, UK, Italy, Italy (second colouring), France, Canada, Spain, Mexico, Peru,
/// Argentina, Costa Rica, Brazil, Portugal, Germany, Switzerland, Austria.
inline constexpr int FlagCount = 16;

/// Draws flag picture index (0..15); any other index gives an empty picture.
QImage FlagPicture(int index);
