#pragma once

#include <QString>

class QWidget;

/// Opens the PDF manual in the desktop's viewer. When the manual is missing, or the desktop has
/// no program for PDF files (the opener cannot be started or reports that it failed), the user
/// is told so in Japanese, with the manual's path to open it some other way.
void OpenManual(QWidget *parent, const QString &manualPath);
