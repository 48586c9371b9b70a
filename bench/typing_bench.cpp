// Time per typed key (a trigger and its follow-up) in the input area, when it is empty and
// when it holds 1 MB of text; prints both and their ratio. Typing should not slow down with
// the length of the text.
#include "app/AppPaths.h"
#include "mainwindow/TMainFrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

double MicrosecondsPerKey(QPlainTextEdit *memo, int keys)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < keys / 2; ++i) {
        QTest::keyClick(memo, ']');
        QTest::keyClick(memo, 'e');
    }
    QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e3 / keys;
}

}  // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir root;
    QApplication application(argc, argv);
    TMainFrm window(PrepareDataFolders(
        {root.filePath("data"), root.filePath("documents"), root.filePath("install"), {}}, [](const QString &) {}));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    memo->setFocus();

    MicrosecondsPerKey(memo, 200);  // warm-up
    memo->clear();
    const double empty = MicrosecondsPerKey(memo, 2000);

    QString megabyte;
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog. Très bien, señor!\n");
    while (megabyte.size() * 2 < 1024 * 1024)
        megabyte += line;
    memo->setPlainText(megabyte);
    memo->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    const double full = MicrosecondsPerKey(memo, 2000);

    std::printf("typing: %.1f us per key into an empty input area, %.1f us with 1 MB of text, ratio %.2f\n", empty,
                full, full / empty);
    window.close();
    return 0;
}
