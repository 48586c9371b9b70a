#pragma once

#include <QIcon>
#include <QPixmap>

/// The program's picture: a quill over a deep-blue tile with an accented e, drawn at any
/// size; the window icon and the version dialog's picture.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();
