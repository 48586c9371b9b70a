#include "dialogs/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool LoadJapaneseQtTranslations(QCoreApplication &application)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        auto *translator = new QTranslator(&application);
        if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}
