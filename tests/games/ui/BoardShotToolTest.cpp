#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// tolvaris-boardshot as a user runs it.
class BoardShotToolTest : public QObject
{
    Q_OBJECT

private:
    int run(const QStringList& arguments)
    {
        QProcess tool;
        return run(arguments, tool);
    }
    int run(const QStringList& arguments, QProcess& tool)
    {
        tool.start(qEnvironmentVariable("TOLVARIS_BIN_DIR") + "/tolvaris-boardshot", arguments);
        if (!tool.waitForFinished(60000))
            return -1;
        return tool.exitCode();
    }

private Q_SLOTS:
    void writesTheBoardAtTheGivenSize_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("3D with coordinates") << QStringList{"--coords", "--perspective", "0.8"};
        QTest::newRow("2D reversed, set 11") << QStringList{"--2d", "--reversed", "--set", "11"};
        QTest::newRow("a position") << QStringList{
            "--style12", "<12> r---k--r -------- -------- -------- -------- -------- -------- "
                         "R---K--R W -1 1 1 1 1 0 3 a b 0 5 0 9 9 60 60 20 none (0:00) none 0"};
    }
    void writesTheBoardAtTheGivenSize()
    {
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString file = dir.filePath("board.png");
        QCOMPARE(run(options + QStringList{"--size", "320x240", "-o", file}), 0);
        QCOMPARE(QImage(file).size(), QSize(320, 240));
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("set 18") << QStringList{"--set", "18"};
        QTest::newRow("size without height") << QStringList{"--size", "300"};
        QTest::newRow("perspective above 1") << QStringList{"--perspective", "1.5"};
        QTest::newRow("short rank") << QStringList{"--style12", "<12> rnbqkbn"};
        QTest::newRow("unknown option") << QStringList{"--colour"};
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        QCOMPARE(run(options + QStringList{"-o", dir.filePath("x.png")}), 2);
        QVERIFY(!QFile::exists(dir.filePath("x.png")));
    }

    void usageInsteadOfAPicture_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("onStandardOutput");
        QTest::newRow("asked for help") << QStringList{"--help"} << 0 << true;
        QTest::newRow("help among other options") << QStringList{"--2d", "-h"} << 0 << true;
        QTest::newRow("no arguments") << QStringList{} << 2 << false;
        QTest::newRow("options but no output") << QStringList{"--set", "3", "--2d"} << 2 << false;
    }
    void usageInsteadOfAPicture()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(bool, onStandardOutput);
        QTemporaryDir dir;
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        QCOMPARE(run(options, tool), exitCode);
        const QByteArray shown =
            onStandardOutput ? tool.readAllStandardOutput() : tool.readAllStandardError();
        QVERIFY2(shown.startsWith("Usage: tolvaris-boardshot"), shown.constData());
        QVERIFY(shown.contains("--gallery DIR"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void galleryHasEverySetInBothViews()
    {
        QTemporaryDir dir;
        QCOMPARE(run({"--gallery", dir.path(), "--size", "120x120"}), 0);
        const QStringList shots = QDir(dir.path()).entryList({"set-*.png"});
        QCOMPARE(shots.size(), 36);
        QVERIFY(QFile::exists(dir.filePath("gallery.png")));
    }
};

QTEST_GUILESS_MAIN(BoardShotToolTest)
#include "BoardShotToolTest.moc"
