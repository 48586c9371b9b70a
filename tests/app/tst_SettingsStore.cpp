#include "app/SettingsStore.h"

#include <QSignalSpy>
#include <QTest>

using Aspect = SettingsStore::Aspect;
using Aspects = SettingsStore::Aspects;
using Edit = std::function<void(Settings &)>;

Q_DECLARE_METATYPE(Edit)

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void changeEmitsOnceWithWhatChanged_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Aspects>("expected");
        QTest::addRow("row height") << Edit([](Settings &s) { s.LV1LNHeight = 30; }) << Aspects(Aspect::RowHeight);
        QTest::addRow("size addition") << Edit([](Settings &s) { s.JPNadd = 5; }) << Aspects(Aspect::WordListFonts);
        QTest::addRow("main font") << Edit([](Settings &s) { s.MainFont = QStringLiteral("Arial"); })
                                   << Aspects(Aspect::WordListFonts);
        QTest::addRow("folder names") << Edit([](Settings &s) { s.DicNameFlg = true; }) << Aspects(Aspect::FolderNames);
        QTest::addRow("symbol set") << Edit([](Settings &s) { s.IpaFullFlg = true; })
                                    << Aspects(Aspect::PhoneticSymbolSet);
        QTest::addRow("other field") << Edit([](Settings &s) { s.ColWidth3 = 99; }) << Aspects(Aspect::Other);
        QTest::addRow("free symbols") << Edit([](Settings &s) { s.FreeUBox[7] = QChar(u'x'); })
                                      << Aspects(Aspect::Other);
        QTest::addRow("several at once") << Edit([](Settings &s) {
            s.LV1LNHeight = 40;
            s.IpaFullFlg = true;
            s.CurrentFolderIndex = 2;
        }) << (Aspect::RowHeight | Aspect::PhoneticSymbolSet | Aspect::Other);
    }

    void changeEmitsOnceWithWhatChanged()
    {
        QFETCH(Edit, edit);
        QFETCH(Aspects, expected);
        SettingsStore store;
        QSignalSpy changed(&store, &SettingsStore::Changed);
        QCOMPARE(store.Change(edit), expected);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().value<Aspects>(), expected);
        Settings edited;
        edit(edited);
        QCOMPARE(store.Get(), edited);
    }

    void sameValueEmitsNothing()
    {
        SettingsStore store;
        store.Change([](Settings &s) { s.LV1LNHeight = 30; });
        QSignalSpy changed(&store, &SettingsStore::Changed);
        QCOMPARE(store.Change([](Settings &s) { s.LV1LNHeight = 30; }), Aspects());
        // Set and set back inside one change: nothing changed in the end.
        store.Change([](Settings &s) {
            s.DicNameFlg = true;
            s.DicNameFlg = false;
        });
        QCOMPARE(changed.size(), 0);
        QCOMPARE(store.Get().LV1LNHeight, 30);
    }

    void subscriberReadsTheNewRecord()
    {
        // A subscriber that reads the store when told sees the change already made.
        SettingsStore store;
        int seen = 0;
        connect(&store, &SettingsStore::Changed, this, [&] { seen = store.Get().LV1LNHeight; });
        store.Change([](Settings &s) { s.LV1LNHeight = 33; });
        QCOMPARE(seen, 33);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
