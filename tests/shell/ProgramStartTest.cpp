#include "settings/SettingsFile.h"
#include "shell/AppPaths.h"
#include "shell/CommandLineOptions.h"

#include "session/ConnectionList.h"
#include "ficsim/FakeFicsServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The command line, the program directory, and the real program started and
// ended by a signal.
class ProgramStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesOptions_data();
    void parsesProfile_data();
    void parsesProfile();
    void parsesOptions();
    void programDirectory();
    void versionAndHelpNeedNoDisplay();
    void terminationSignalEndsLikeExit_data();
    void terminationSignalEndsLikeExit();
    void terminationSignalEndsWhilePasswordBoxIsOpen();
    void refusedWriteAtSignalExitGoesToStandardError();

private:
    static QString program() { return qEnvironmentVariable("TOLVARIS_BIN_DIR") + "/tolvaris"; }
};

void ProgramStartTest::parsesOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("settingsDirectory");
    QTest::addColumn<bool>("version");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("error");

    QTest::newRow("nothing") << QStringList{"tolvaris"} << "" << "" << false << false << false;
    QTest::newRow("settings dir") << QStringList{"tolvaris", "--settings-dir", "/a"} << ""
                                  << "/a" << false << false << false;
    QTest::newRow("settings dir with equals")
        << QStringList{"tolvaris", "--settings-dir=/b"} << "/h" << "/b" << false << false << false;
    QTest::newRow("environment") << QStringList{"tolvaris"} << "/h" << "/h" << false << false
                                 << false;
    QTest::newRow("version") << QStringList{"tolvaris", "--version"} << "" << "" << true << false
                             << false;
    QTest::newRow("help") << QStringList{"tolvaris", "-h"} << "" << "" << false << true << false;
    QTest::newRow("unknown option") << QStringList{"tolvaris", "--nope"} << "" << "" << false
                                    << false << true;
    QTest::newRow("missing value") << QStringList{"tolvaris", "--settings-dir"} << "" << ""
                                   << false << false << true;
    QTest::newRow("stray argument") << QStringList{"tolvaris", "x"} << "" << "" << false << false
                                    << true;
}

void ProgramStartTest::parsesOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, home);
    QFETCH(QString, settingsDirectory);
    QFETCH(bool, version);
    QFETCH(bool, help);
    QFETCH(bool, error);

    const CommandLineOptions options = CommandLineOptions::parse(arguments, home);
    QCOMPARE(!options.error.isEmpty(), error);
    if (error)
        return;
    QCOMPARE(options.settingsDirectory, settingsDirectory);
    QCOMPARE(options.showVersion, version);
    QCOMPARE(options.showHelp, help);
}

void ProgramStartTest::parsesProfile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("error");

    QTest::newRow("no profile") << QStringList{"tolvaris"} << "" << false;
    QTest::newRow("named profile") << QStringList{"tolvaris", "--profile", "Blitz"} << "Blitz"
                                   << false;
    QTest::newRow("with --connect") << QStringList{"tolvaris", "--connect", "--profile=Slow"}
                                    << "Slow" << false;
    QTest::newRow("name missing") << QStringList{"tolvaris", "--profile"} << "" << true;
    QTest::newRow("blank name") << QStringList{"tolvaris", "--profile", "  "} << "" << true;
}

void ProgramStartTest::parsesProfile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, profile);
    QFETCH(bool, error);
    const CommandLineOptions options = CommandLineOptions::parse(arguments, QString());
    QCOMPARE(!options.error.isEmpty(), error);
    if (!error)
        QCOMPARE(options.profile, profile);
}

void ProgramStartTest::programDirectory()
{
    QTemporaryDir dir;
    const QString wanted = dir.filePath("a/b");
    QCOMPARE(AppPaths::programDirectory(wanted, "/usr/bin"), wanted + u'/');
    QVERIFY(QFileInfo(wanted).isDir());
    QCOMPARE(AppPaths::programDirectory(QString(), dir.path()), dir.path() + u'/');

    // An executable folder that cannot be written to: the user's config folder.
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QCOMPARE(AppPaths::programDirectory(QString(), dir.filePath("missing")),
             dir.filePath("config/tolvaris/"));
    qunsetenv("XDG_CONFIG_HOME");

    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(AppPaths::programDirectory(dir.filePath("plain/x"), QString()), QString());
}

void ProgramStartTest::versionAndHelpNeedNoDisplay()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(program(), {"--version"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("Tolvaris 2.0 Quarndell\n"));

    process.start(program(), {"--help"});
    QVERIFY(process.waitForFinished(10000));
    QVERIFY(process.readAllStandardOutput().contains("--settings-dir DIR"));

    process.start(program(), {"--bogus"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
}

void ProgramStartTest::terminationSignalEndsLikeExit_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("throughEnvironment");
    QTest::newRow("SIGTERM, --settings-dir") << int(SIGTERM) << false;
    QTest::newRow("SIGINT, TOLVARIS_HOME") << int(SIGINT) << true;
}

void ProgramStartTest::terminationSignalEndsLikeExit()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, throughEnvironment);

    QTemporaryDir dir;
    SharedSettingsFile(dir.path() + u'/').writeBool("Profiles", "DoNotShow", true);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (throughEnvironment)
        environment.insert(AppPaths::HomeVariable, dir.path());
    process.setProcessEnvironment(environment);
    process.start(program(), throughEnvironment ? QStringList{}
                                                : QStringList{"--settings-dir", dir.path()});
    QVERIFY(process.waitForStarted());
    // The trace file appears while the window is made; the signal is read by the
    // event loop, so it is handled after the window has been shown.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("trace.txt")), 20000);
    ::kill(pid_t(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    const SettingsFile settings(dir.filePath("Default.ini"));
    QCOMPARE(settings.readString("Quodlin", "Maximized", ""), QStringLiteral("1"));
    QCOMPARE(settings.readString("Font12", "Name", ""), QStringLiteral("Courier New"));
    QVERIFY(QFile::exists(dir.filePath("Commands.txt")));
}

// A desktop logout while the login's password box waits for the user: the program ends
// the way "E&xit" does, and the login does not go on.
void ProgramStartTest::terminationSignalEndsWhilePasswordBoxIsOpen()
{
    FakeFicsServer server;
    QVERIFY(server.listen());
    QTemporaryDir dir;
    SharedSettingsFile(dir.path() + u'/').writeBool("Profiles", "DoNotShow", true);
    QRandomGenerator random(5);
    ConnectionList list(ProfileSettingsFile(dir.path() + u'/', "Default"), random);
    list.load();
    list.setEntry(0, TConnection{"127.0.0.1", QString::number(server.port()), "alice", QString(),
                                 false, "Practice", 0});
    list.setLastConnection(0);
    list.save();

    QProcess process;
    process.start(program(), {"--settings-dir", dir.path(), "--connect"});
    QVERIFY(process.waitForStarted());
    // The handle is answered from the entry; the password is asked for in a box.
    QTRY_VERIFY_WITH_TIMEOUT(server.receivedLines().contains("alice"), 30000);
    const auto traced = [&dir] {
        QFile trace(dir.filePath("trace.txt"));
        return trace.open(QIODevice::ReadOnly) ? trace.readAll() : QByteArray();
    };
    QTRY_VERIFY_WITH_TIMEOUT(traced().contains("password:"), 30000);

    QElapsedTimer sinceSignal;
    sinceSignal.start();
    ::kill(pid_t(process.processId()), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 20000);
    qInfo("ended %lld ms after SIGTERM with the password box open",
          static_cast<long long>(sinceSignal.elapsed()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    // "exit" said goodbye; no password (not even an empty one) followed the box.
    const QList<QByteArray> lines = server.receivedLines();
    QCOMPARE(lines.mid(lines.indexOf("alice")), (QList<QByteArray>{"alice", "exit"}));
    const SettingsFile settings(dir.filePath("Default.ini"));
    QCOMPARE(settings.readString("Quodlin", "Maximized", ""), QStringLiteral("1"));
}

// A settings write refused at a signal's exit must not wait in a box for a user who
// is logging out: the message goes to standard error and the program ends.
void ProgramStartTest::refusedWriteAtSignalExitGoesToStandardError()
{
    QTemporaryDir dir;
    SharedSettingsFile(dir.path() + u'/').writeBool("Profiles", "DoNotShow", true);
    // A folder where the profile's file belongs: it reads as empty and refuses every write.
    QVERIFY(QDir(dir.path()).mkdir("Default.ini"));
    QProcess process;
    process.start(program(), {"--settings-dir", dir.path()});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("trace.txt")), 20000);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(process.readAllStandardError().contains(
                 "Unable to write to " + dir.filePath("Default.ini").toLocal8Bit()),
             "the refused write was not reported on standard error");
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
