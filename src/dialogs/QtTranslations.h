#pragma once

class QCoreApplication;

/// Installs Qt's own Japanese translations (file dialogs, standard buttons, text-field menus),
/// whatever the system's locale: every text the program shows is Japanese. Looks in Qt's
/// translations folder and in "translations" beside the program (a Windows installation).
/// False when they are not installed; Qt's texts then stay English.
bool LoadJapaneseQtTranslations(QCoreApplication &application);
