#include "app/ParameterFile.h"
#include "app/Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(WindowGeometry)

namespace {

/// The bytes of a literal, NUL bytes included.
template <std::size_t N> QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

/// A system folder of its own, with nothing to install.
struct SessionFolder {
    QTemporaryDir root;
    AppPaths paths;

    SessionFolder()
    {
        paths.SysFolder = root.filePath(QStringLiteral("sys"));
        paths.TblFolder = root.filePath(QStringLiteral("sys/Tbl"));
        QDir().mkpath(paths.SysFolder);
    }

    QString ParameterFile() const { return paths.SysFolder + u'/' + ParameterFileName; }

    void WriteParameterFile(const QByteArray &bytes) const
    {
        QFile file(ParameterFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    /// What a later start reads from the parameter file.
    Settings ReadBack() const
    {
        Session next(paths);
        next.Start();
        return next.Get();
    }
};

}  // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    void startWithoutFileHasTheDefaults()
    {
        SessionFolder folder;
        Session session(folder.paths);
        QVERIFY(!session.Start());  // no warning
        QCOMPARE(session.Get(), Settings());
        QVERIFY(!QFile::exists(folder.ParameterFile()));  // the start writes no parameter file
    }

    void startReadsTheFileWithinRange_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("mainFontSize");
        QTest::addColumn<bool>("dicNames");
        QTest::addRow("kept") << QByteArray("LV1LNHeight,30\r\nMainFontSize,24\r\nDicNameFlg,1\r\n") << 30 << 24
                              << true;
        QTest::addRow("clamped") << QByteArray("LV1LNHeight,999\r\nMainFontSize,1500000000\r\n") << 40 << 20 << false;
        QTest::addRow("damaged") << Bytes("\xff\x00\x81garbage,,,\r\n\x01\x02LV1LNHeight,\r\nMainFontSize,abc") << 26
                                 << 20 << false;
    }

    void startReadsTheFileWithinRange()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, rowHeight);
        QFETCH(int, mainFontSize);
        QFETCH(bool, dicNames);
        SessionFolder folder;
        folder.WriteParameterFile(file);
        Session session(folder.paths);
        session.Start();
        QCOMPARE(session.Get().LV1LNHeight, rowHeight);
        QCOMPARE(session.Get().MainFontSize, mainFontSize);
        QCOMPARE(session.Get().DicNameFlg, dicNames);
    }

    void finishWritesTheGeometryBack_data()
    {
        QTest::addColumn<WindowGeometry>("window");
        QTest::addColumn<WindowGeometry>("saved");
        QTest::addRow("inside the screen") << WindowGeometry{100, 50, 800, 760} << WindowGeometry{100, 50, 800, 760};
        QTest::addRow("off the screen, centred")
            << WindowGeometry{900, 50, 800, 760} << WindowGeometry{(1280 - 740) / 2, (1024 - 740) / 2, 740, 740};
    }

    void finishWritesTheGeometryBack()
    {
        QFETCH(WindowGeometry, window);
        QFETCH(WindowGeometry, saved);
        SessionFolder folder;
        Session session(folder.paths);
        session.Start();
        session.Store().Change([](Settings &s) { s.LV1LNHeight = 35; });
        QVERIFY(!session.Finish({window, QSize(1280, 1024), 2, 5}));
        const Settings back = folder.ReadBack();
        QCOMPARE((WindowGeometry{back.MainLeft, back.MainTop, back.MainWidth, back.MainHeight}), saved);
        QCOMPARE(back.FirstPage, 2);
        QCOMPARE(back.RecFlagNumber, 5);
        QCOMPARE(back.LV1LNHeight, 35);
    }

    void finishReportsAFailedWrite()
    {
        SessionFolder folder;
        folder.paths.SysFolder = folder.root.filePath(QStringLiteral("missing/sys"));
        Session session(folder.paths);
        session.Start();
        const std::optional<FileError> error = session.Finish({{100, 50, 800, 760}, QSize(1280, 1024), 0, -1});
        QVERIFY(error);
        QCOMPARE(error->code, FileError::Code::CannotWrite);
    }

    void parameterResetLeavesNoFile()
    {
        SessionFolder folder;
        folder.WriteParameterFile("LV1LNHeight,30\r\n");
        Session session(folder.paths);
        session.Start();
        QVERIFY(session.ResetParameters());
        QVERIFY(!session.Finish({{100, 50, 800, 760}, QSize(1280, 1024), 1, -1}));
        QVERIFY(!QFile::exists(folder.ParameterFile()));
        QCOMPARE(folder.ReadBack(), Settings());
    }

    void resetWithoutFileStillWritesAtTheEnd()
    {
        SessionFolder folder;
        Session session(folder.paths);
        session.Start();
        QVERIFY(!session.ResetParameters());
        QVERIFY(!session.Finish({{100, 50, 800, 760}, QSize(1280, 1024), 1, -1}));
        QCOMPARE(folder.ReadBack().FirstPage, 1);
    }
};

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_Session.moc"
