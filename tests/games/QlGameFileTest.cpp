#include "games/AutoSaveName.h"
#include "games/ParseStyle12.h"
#include "games/QlGameFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

Style12Record record(const char* line)
{
    Style12Record parsed;
    if (!ParseStyle12(QByteArray(line), parsed))
        qFatal("test line does not parse: %s", line);
    return parsed;
}

QList<Style12Record> threePlies()
{
    return {record("<12> rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR "
                   "W -1 1 1 1 1 0 7 alice bob 1 5 0 39 39 300 300 1 none (0:00) none 0"),
            record("<12> rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP RNBQKBNR "
                   "B 4 1 1 1 1 0 7 alice bob -1 5 0 39 39 300 300 1 P/e2-e4 (0:00) e4 0"),
            record("<12> rnbqkbnr pppp-ppp -------- ----p--- ----P--- -------- PPPP-PPP RNBQKBNR "
                   "W 4 1 1 1 1 0 7 alice bob 1 5 0 39 39 300 300 2 P/e7-e5 (0:00) e5 1")};
}

QByteArray bytesOf(const Style12Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof(record));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
}

} // namespace

class QlGameFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryRecordAsObservingAnExaminedGame();
    void partialRecordAtTheEndIsIgnored();
    void emptyListWritesNoFile();
    void damagedRecordsAreRepaired_data();
    void damagedRecordsAreRepaired();
    void oversizedFileIsRefused();
    void missingFileIsReported();
    void autoSaveNamesKeepOnlySafeCharacters_data();
    void autoSaveNamesKeepOnlySafeCharacters();
};

void QlGameFileTest::roundTripKeepsEveryRecordAsObservingAnExaminedGame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.ql"));
    const QList<Style12Record> written = threePlies();
    QString error;
    QVERIFY(QlGameFile::save(written, path, &error));
    QCOMPARE(QFileInfo(path).size(), 570);

    const QlGameFile::Loaded loaded = QlGameFile::load(path);
    QVERIFY(loaded.error.isEmpty());
    QCOMPARE(loaded.records.size(), 3);
    QCOMPARE(loaded.repairedRecords, 0);
    for (qsizetype i = 0; i < written.size(); ++i) {
        Style12Record expected = written.at(i);
        expected.Relation = -2;
        QCOMPARE(bytesOf(loaded.records.at(i)), bytesOf(expected));
    }
    QCOMPARE(loaded.records.at(2).Flip, quint8(1));
}

void QlGameFileTest::partialRecordAtTheEndIsIgnored()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.ql"));
    const QList<Style12Record> records = threePlies();
    writeFile(path, bytesOf(records.at(0)) + bytesOf(records.at(1)) + QByteArray(20, 'x'));
    const QlGameFile::Loaded loaded = QlGameFile::load(path);
    QCOMPARE(loaded.records.size(), 2);
    QCOMPARE(loaded.ignoredBytes, 20);
    QCOMPARE(loaded.records.at(1).PrettyMove.value(), QByteArray("e4"));
}

void QlGameFileTest::emptyListWritesNoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.ql"));
    QVERIFY(QlGameFile::save({}, path, nullptr));
    QVERIFY(!QFile::exists(path));
}

void QlGameFileTest::damagedRecordsAreRepaired_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("piece code beyond the black king") << 12 << QByteArray(1, char(200));
    QTest::newRow("name length beyond its field") << 77 << QByteArray(1, char(255));
    QTest::newRow("pretty move length beyond its field") << 171 << QByteArray(1, char(13));
    QTest::newRow("move number whose ply overflows") << 147 << QByteArray("\xff\xff\xff\x7f", 4);
    QTest::newRow("negative move number") << 147 << QByteArray("\xfe\xff\xff\xff", 4);
    QTest::newRow("side to move neither 0 nor 1") << 68 << QByteArray(1, char(9));
}

void QlGameFileTest::damagedRecordsAreRepaired()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QByteArray raw = bytesOf(threePlies().at(1));
    raw.replace(offset, bytes.size(), bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.ql"));
    writeFile(path, raw);

    const QlGameFile::Loaded loaded = QlGameFile::load(path);
    QCOMPARE(loaded.records.size(), 1);
    QCOMPARE(loaded.repairedRecords, 1);
    const Style12Record& record = loaded.records.first();
    for (const PieceCode square : record.Squares)
        QVERIFY(quint8(square) <= 12);
    QVERIFY(record.WhiteName.value().size() <= 20);
    QVERIFY(record.PrettyMove.value().size() <= 12);
    QVERIFY(record.WhitesMove <= 1);
    QVERIFY(record.PlyIndex() >= 0);
}

void QlGameFileTest::oversizedFileIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.ql"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(QlGameFile::MaxFileSize + 190));
    file.close();
    const QlGameFile::Loaded loaded = QlGameFile::load(path);
    QVERIFY(loaded.records.isEmpty());
    QVERIFY(!loaded.error.isEmpty());
}

void QlGameFileTest::missingFileIsReported()
{
    const QlGameFile::Loaded loaded = QlGameFile::load(QStringLiteral("/nonexistent/x.ql"));
    QVERIFY(loaded.records.isEmpty());
    QVERIFY(!loaded.error.isEmpty());
}

void QlGameFileTest::autoSaveNamesKeepOnlySafeCharacters_data()
{
    QTest::addColumn<QByteArray>("white");
    QTest::addColumn<QByteArray>("black");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ordinary handles") << QByteArray("alice") << QByteArray("bob")
                                      << "2004-05-06_21:05:09_alice_bob.ql";
    QTest::newRow("a path in a name stays in the folder")
        << QByteArray("../../etc/passwd") << QByteArray("bob")
        << "2004-05-06_21:05:09_______etc_passwd_bob.ql";
    QTest::newRow("dashes, digits and underscores are kept")
        << QByteArray("Guest-12_x") << QByteArray("a b\nc")
        << "2004-05-06_21:05:09_Guest-12_x_a_b_c.ql";
}

void QlGameFileTest::autoSaveNamesKeepOnlySafeCharacters()
{
    QFETCH(QByteArray, white);
    QFETCH(QByteArray, black);
    QFETCH(QString, expected);
    const QDateTime when(QDate(2004, 5, 6), QTime(21, 5, 9));
    QCOMPARE(AutoSaveName::ownFormat(when, white, black), expected);
}

QTEST_GUILESS_MAIN(QlGameFileTest)
#include "QlGameFileTest.moc"
