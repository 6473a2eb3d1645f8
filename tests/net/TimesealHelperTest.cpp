#include "net/TimesealHelper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeProgram(const QString& path, const QByteArray& body = "#!/bin/sh\n")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TimesealHelperTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void findsTheHelper_data();
    void findsTheHelper();
    void missingHelperMessageNamesThePath_data();
    void missingHelperMessageNamesThePath();
    void startsDetachedWithRelayArguments();

private:
    QTemporaryDir m_programFolder;
    QTemporaryDir m_pathFolder;
    QTemporaryDir m_currentFolder;
    QByteArray m_savedPath;
    QString m_savedCurrent;
};

void TimesealHelperTest::init()
{
    m_savedPath = qgetenv("PATH");
    m_savedCurrent = QDir::currentPath();
    qputenv("PATH", m_pathFolder.path().toLocal8Bit());
    QDir::setCurrent(m_currentFolder.path());
    for (QTemporaryDir* dir : {&m_programFolder, &m_pathFolder, &m_currentFolder}) {
        for (const QString& name : QDir(dir->path()).entryList(QDir::Files))
            QFile::remove(dir->filePath(name));
    }
}

void TimesealHelperTest::cleanup()
{
    qputenv("PATH", m_savedPath);
    QDir::setCurrent(m_savedCurrent);
}

void TimesealHelperTest::findsTheHelper_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("placedIn");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("expectedFolder");
    QTest::newRow("FICS helper beside the program") << 0 << "program" << true << "program";
    QTest::newRow("ICC helper beside the program") << 1 << "program" << true << "program";
    QTest::newRow("FICS helper on the PATH") << 0 << "path" << true << "path";
    QTest::newRow("a file that cannot run is no helper") << 0 << "program" << false << "";
    QTest::newRow("unknown server family looks in the current folder")
        << 7 << "current" << true << "current";
    QTest::newRow("unknown server family ignores the program folder")
        << 7 << "program" << true << "";
}

void TimesealHelperTest::findsTheHelper()
{
    QFETCH(int, protocol);
    QFETCH(QString, placedIn);
    QFETCH(bool, executable);
    QFETCH(QString, expectedFolder);
    const QMap<QString, QString> folders{{"program", m_programFolder.path()},
                                         {"path", m_pathFolder.path()},
                                         {"current", m_currentFolder.path()}};
    const QString name = TimesealHelper::programName(ServerProtocol(protocol));
    QCOMPARE(name, protocol == 1 ? QStringLiteral("timestamp") : QStringLiteral("timeseal"));
    const QString placed = QDir(folders[placedIn]).filePath(name);
    writeProgram(placed);
    if (!executable)
        QFile::setPermissions(placed, QFile::ReadOwner | QFile::WriteOwner);
    const QString found = TimesealHelper::find(ServerProtocol(protocol), m_programFolder.path());
    QCOMPARE(found, expectedFolder.isEmpty() ? QString() : placed);
}

void TimesealHelperTest::missingHelperMessageNamesThePath_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("file");
    QTest::newRow("FICS") << 0 << "Timeseal"
                          << "timeseal";
    QTest::newRow("ICC") << 1 << "Timestamp"
                         << "timestamp";
}

void TimesealHelperTest::missingHelperMessageNamesThePath()
{
    QFETCH(int, protocol);
    QFETCH(QString, start);
    QFETCH(QString, file);
    QVERIFY(TimesealHelper::find(ServerProtocol(protocol), m_programFolder.path()).isEmpty());
    QCOMPARE(TimesealHelper::missingMessage(ServerProtocol(protocol), m_programFolder.path()),
             start + " executable file " + QDir(m_programFolder.path()).filePath(file) +
                 " does not exist. Cannot use timeseal. \r\n"
                 "Please uncheck timseal check box, and try again.");
}

void TimesealHelperTest::startsDetachedWithRelayArguments()
{
    const QString record = m_currentFolder.filePath(QStringLiteral("arguments.txt"));
    const QString program = m_programFolder.filePath(QStringLiteral("timeseal"));
    // Only shell built-ins: the test's PATH holds nothing else.
    writeProgram(program, "#!/bin/sh\necho \"$@\" > \"" + record.toLocal8Bit() + "\"\n");
    QCOMPARE(TimesealHelper::arguments(QStringLiteral("freechess.org"), QStringLiteral("5000")),
             (QStringList{"freechess.org", "5000", "-p", "5005"}));
    QVERIFY(
        TimesealHelper::start(program, QStringLiteral("freechess.org"), QStringLiteral("5000")));
    auto written = [&record] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(written(), QByteArray("freechess.org 5000 -p 5005\n"));
    QVERIFY(!TimesealHelper::start(m_programFolder.filePath(QStringLiteral("missing")),
                                   QStringLiteral("a"), QStringLiteral("1")));
}

QTEST_GUILESS_MAIN(TimesealHelperTest)
#include "TimesealHelperTest.moc"
