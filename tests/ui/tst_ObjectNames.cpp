#include "support/MainWindowFixture.h"

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

/// Every component name is unique within its window or frame (tests and the Parts' names find
/// widgets by it), and every window, page and frame carries its class name.
class tst_ObjectNames : public QObject
{
    Q_OBJECT

    /// The names of the components in the naming scope of scope, each listed as often as it
    /// occurs; Qt's own internal children ("qt_…", such as a tab bar and its scroll buttons)
    /// are left out.
    static void CollectNames(const QObject *scope, const QObject *object, QMap<QString, int> &names,
                             QList<const QObject *> &nestedScopes)
    {
        for (const QObject *child : object->children()) {
            const QString name = child->objectName();
            if (qobject_cast<const QTabBar *>(child))
                continue;
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                ++names[name];
            if (IsNamingScope(child))
                nestedScopes << child;
            else
                CollectNames(scope, child, names, nestedScopes);
        }
    }

private slots:
    void namesAreUniqueInEachScope()
    {
        MainWindowFixture f;
        TMainFrm *w = f.Start();
        QVERIFY(w);
        // Show the free palette's tab and open the word-book page's pad panel, so that the
        // pads built on first use are there too.
        Find<QTabWidget>(w, "PageControl2")->setCurrentWidget(Find<QWidget>(w, "TabSheet5"));
        Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(Find<PadPanel>(w, "Panel4")->IsOpen());
        // And the search dialog with its pads.
        Find<QAction>(w, "Search")->trigger();

        QList<const QObject *> scopes{w};
        QStringList scopeNames;
        while (!scopes.isEmpty()) {
            const QObject *scope = scopes.takeFirst();
            scopeNames << scope->objectName();
            QMap<QString, int> names;
            CollectNames(scope, scope, names, scopes);
            for (auto name = names.cbegin(); name != names.cend(); ++name)
                QVERIFY2(name.value() == 1, qPrintable(scope->objectName() + ": " + name.key()));
        }
        for (const char *frame : {"TMainFrm", "TQuillmaren2", "TQuillmaren5", "TIPAboard1", "TFreeUni1", "TSearchFrm",
                                  "TQuillmaren3", "TIPAboard3"})
            QVERIFY2(scopeNames.contains(QLatin1String(frame)), frame);
        for (const char *page : {"InputPage", "WordBookPage", "TrainingPage", "OptionSidePanel"}) {
            const QWidget *widget = w->findChild<QWidget *>(QLatin1String(page));
            QVERIFY2(widget && widget->metaObject()->className() == QByteArray(page), page);
        }
    }
};

QTEST_MAIN(tst_ObjectNames)
#include "tst_ObjectNames.moc"
