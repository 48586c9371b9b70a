// Qt's own dialogs speak Japanese like the rest of the program, whatever the locale, and a file
// type whose name shows its pattern shows it once.
#include "dialogs/FileDialogSeam.h"
#include "dialogs/QtTranslations.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_JapaneseQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void theFileDialogIsJapanese()
    {
        QVERIFY2(LoadJapaneseQtTranslations(*qApp), "Qt's Japanese translations are not installed");
        QTemporaryDir dir;
        QStringList types, buttons;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *typeBox = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            QVERIFY(typeBox);
            for (int i = 0; i < typeBox->count(); ++i)
                types << typeBox->itemText(i);
            for (QPushButton *button : dialog->findChild<QDialogButtonBox *>()->findChildren<QPushButton *>())
                buttons << button->text();
            dialog->reject();
        });
        FileDialogSeam::SaveFileName(nullptr,
                                     {QStringLiteral("名前を付けて保存"), dir.filePath(QStringLiteral("a.utx")),
                                      QStringLiteral("（ユニコードテキスト）　*.utx (*.utx)"), QStringLiteral("utx")});
        // (Qt's dialog simplifies a filter's spaces: the full-width one shows half-width.)
        QCOMPARE(types.size(), 1);
        QVERIFY2(types[0].startsWith(QStringLiteral("（ユニコードテキスト）")) &&
                     types[0].count(QStringLiteral("*.utx")) == 1,
                 qPrintable(types[0]));
        QVERIFY2(buttons.join(u'|').contains(QStringLiteral("キャンセル")), qPrintable(buttons.join(u'|')));
        QVERIFY2(buttons.join(u'|').contains(QStringLiteral("保存")), qPrintable(buttons.join(u'|')));
    }
};

QTEST_MAIN(tst_JapaneseQtDialogs)
#include "tst_JapaneseQtDialogs.moc"
