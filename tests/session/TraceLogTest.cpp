#include "session/TraceLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The protocol trace: records as written, the rotation that bounds the disk used, and
// the one open file per trace.
class TraceLogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void recordsAreAppendedWithStampAndLineEnd();
    void stampFollowsTheClockFromSecondToSecond();
    void previousPartName_data();
    void previousPartName();
    void fileThatPassesTheSizeStartsAFreshPart();
    void oversizedFileFromAnEarlierRunIsRotatedFirst();
    void fileStaysOpenBetweenRecords();
    void disabledLogWritesNothing();

private:
    static QByteArray contents(const QString& path);
    static int openDescriptorsOf(const QString& path);

    QTemporaryDir* m_dir = nullptr;
    QString m_previousFolder;
};

void TraceLogTest::init()
{
    m_dir = new QTemporaryDir;
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void TraceLogTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    delete m_dir;
}

QByteArray TraceLogTest::contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

int TraceLogTest::openDescriptorsOf(const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    int count = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System)) {
        if (fd.symLinkTarget() == target)
            ++count;
    }
    return count;
}

void TraceLogTest::recordsAreAppendedWithStampAndLineEnd()
{
    {
        QFile old(TraceLog::TraceFile);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier run\r\n");
    }
    TraceLog trace;
    trace.write(TraceLog::TraceFile, {">>>DATAIN>>>", "a\n\rb", "<<<<"}, true);
    trace.write(TraceLog::TraceFile, "sent\n", false);
    const QByteArray text = contents(TraceLog::TraceFile);
    QVERIFY(text.startsWith("earlier run\r\n"));
    const QByteArray stamped = text.mid(13);
    QCOMPARE(stamped.indexOf(" : "), 13);
    QCOMPARE(stamped.mid(16), QByteArray(">>>DATAIN>>>a\n\rb<<<<\r\nsent\n\r\n"));
}

void TraceLogTest::stampFollowsTheClockFromSecondToSecond()
{
    const auto stampedTime = [] {
        return QDateTime::fromString(QString::fromLatin1(TraceLog::timeStamp()),
                                     QStringLiteral("yyMMdd HHmmss : "))
            .addYears(100);
    };
    const QDateTime first = stampedTime();
    QVERIFY(first.isValid());
    QVERIFY(qAbs(first.secsTo(QDateTime::currentDateTime())) <= 1);
    // A stamp made within the same second as an earlier one must not stay behind
    // once the clock has moved on.
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    QTRY_VERIFY(QDateTime::currentSecsSinceEpoch() > start);
    const QDateTime later = stampedTime();
    QVERIFY(later > first);
    QVERIFY(qAbs(later.secsTo(QDateTime::currentDateTime())) <= 1);
}

void TraceLogTest::previousPartName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("previous");
    QTest::newRow("trace file") << "trace.txt"
                                << "trace.1.txt";
    QTest::newRow("scope file") << "scope.txt"
                                << "scope.1.txt";
    QTest::newRow("dotted folder, plain name") << "a.b/trace"
                                               << "a.b/trace.1";
}

void TraceLogTest::previousPartName()
{
    QFETCH(QString, name);
    QFETCH(QString, previous);
    QCOMPARE(TraceLog::previousPartName(name), previous);
}

void TraceLogTest::fileThatPassesTheSizeStartsAFreshPart()
{
    TraceLog trace(true, 100);
    const QByteArray record(60, 'x'); // 62 bytes with CR LF
    trace.write(TraceLog::ScopeFile, record, false);
    QVERIFY(!QFile::exists("scope.1.txt"));
    trace.write(TraceLog::ScopeFile, "second", false); // 70 bytes: still under
    trace.write(TraceLog::ScopeFile, record, false);   // 132 bytes: passed
    QCOMPARE(contents("scope.1.txt"), record + "\r\nsecond\r\n" + record + "\r\n");
    QCOMPARE(contents("scope.txt"), QByteArray());

    trace.write(TraceLog::ScopeFile, "third", false);
    trace.write(TraceLog::ScopeFile, record, false);
    trace.write(TraceLog::ScopeFile, record, false);
    trace.write(TraceLog::ScopeFile, "fresh", false);
    // The part before is replaced; at most two parts stay on the disk.
    QCOMPARE(contents("scope.1.txt"), "third\r\n" + record + "\r\n" + record + "\r\n");
    QCOMPARE(contents("scope.txt"), QByteArray("fresh\r\n"));
    QCOMPARE(contents("trace.txt"), QByteArray("(missing)"));
}

void TraceLogTest::oversizedFileFromAnEarlierRunIsRotatedFirst()
{
    {
        QFile old(TraceLog::TraceFile);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'o'));
    }
    TraceLog trace(true, 100);
    trace.ensureFile(TraceLog::TraceFile);
    trace.write(TraceLog::TraceFile, "new run", false);
    QCOMPARE(contents("trace.1.txt"), QByteArray(500, 'o'));
    QCOMPARE(contents("trace.txt"), QByteArray("new run\r\n"));
}

void TraceLogTest::fileStaysOpenBetweenRecords()
{
    TraceLog trace;
    trace.ensureFile(TraceLog::TraceFile);
    for (int i = 0; i < 100; ++i)
        trace.write(TraceLog::TraceFile, "line", true);
    QCOMPARE(openDescriptorsOf(TraceLog::TraceFile), 1);
    // Every record has reached the file, although it was never closed.
    QCOMPARE(contents(TraceLog::TraceFile).count("line\r\n"), 100);
}

void TraceLogTest::disabledLogWritesNothing()
{
    const TraceLog trace(false);
    trace.ensureFile(TraceLog::TraceFile);
    trace.write(TraceLog::TraceFile, "x", true);
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(TraceLogTest)
#include "TraceLogTest.moc"
