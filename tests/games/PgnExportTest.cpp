#include "games/ParseStyle12.h"
#include "games/PgnExport.h"

#include "ficsim/ServerGame.h"
#include "ficsim/chess/MoveNotation.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

Style12Record record(const char* line)
{
    Style12Record parsed;
    if (!ParseStyle12(QByteArray(line), parsed))
        qFatal("test line does not parse: %s", line);
    return parsed;
}

const char* const Start = "<12> rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP "
                          "RNBQKBNR W -1 1 1 1 1 0 1 alice bob 1 5 0 39 39 300 300 1 none (0:00) "
                          "none 0";
const char* const AfterE4 = "<12> rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP "
                            "RNBQKBNR B 4 1 1 1 1 0 1 alice bob -1 5 0 39 39 300 300 1 P/e2-e4 "
                            "(0:00) e4 0";
const char* const AfterE5 = "<12> rnbqkbnr pppp-ppp -------- ----p--- ----P--- -------- PPPP-PPP "
                            "RNBQKBNR W 4 1 1 1 1 0 1 alice bob 1 5 0 39 39 300 300 2 P/e7-e5 "
                            "(0:00) e5 0";
const char* const AfterNf3 = "<12> rnbqkbnr pppp-ppp -------- ----p--- ----P--- -----N-- "
                             "PPPP-PPP RNBQKB-R B -1 1 1 1 1 1 1 alice bob -1 5 0 39 39 300 300 "
                             "2 N/g1-f3 (0:00) Nf3 0";

// One game of a capture: its records in order (a takeback cuts the list back, a repeated
// position is kept once) and the result of its result line.
struct CapturedGame
{
    QList<Style12Record> records;
    QByteArray result;
};

QList<CapturedGame> gamesOf(const QString& capture)
{
    QFile file(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/") + capture);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing capture");
    static const QRegularExpression resultLine(QStringLiteral(R"(^\{Game \d+ .*\} (\S+))"));
    QList<CapturedGame> games;
    for (QByteArray line : file.readAll().split('\n')) {
        line = line.trimmed();
        const qsizetype board = line.indexOf("<12> ");
        if (board >= 0) {
            const Style12Record next = record(line.mid(board).constData());
            if (next.PrettyMove.value() == "none" || games.isEmpty())
                games.append(CapturedGame{});
            QList<Style12Record>& records = games.last().records;
            while (!records.isEmpty() && records.last().PlyIndex() >= next.PlyIndex())
                records.removeLast();
            records.append(next);
            continue;
        }
        const auto match = resultLine.match(QString::fromLatin1(line));
        if (match.hasMatch() && !games.isEmpty() && games.last().result.isEmpty() &&
            !line.contains("Creating"))
            games.last().result = match.captured(1).toLatin1();
    }
    return games;
}

// The records an observer receives of a game played by the practice server's rules, one
// per position from the start; moves are in short algebraic notation.
QList<Style12Record> playedGame(const QByteArrayList& moves)
{
    ServerGame game(7, ServerGame::Setup{"alice", "bob"}, 0);
    qint64 now = 0;
    QList<Style12Record> records{record(game.style12(0, false, now).constData())};
    for (const QByteArray& text : moves) {
        const std::optional<ChessMove> move = MoveNotation::parse(game.chess().position(), text);
        if (!move)
            qFatal("not a legal move in the test game: %s", text.constData());
        now += 1000;
        game.play(*move, now);
        records.append(record(game.style12(0, false, now).constData()));
    }
    return records;
}

QString pgnReader()
{
    return QStandardPaths::findExecutable(
        QStringLiteral("pgn-extract"), {QStringLiteral("/usr/games"), QStringLiteral("/usr/bin")});
}

// What a real PGN reader finds in the file: one line of moves and result per game, with
// its complaints (empty when it took every game).
QStringList readBack(const QString& reader, const QString& path, QString* complaints)
{
    QProcess process;
    process.start(reader,
                  {"-s", "-Wsan", "--nomovenumbers", "--notags", "--nocomments", "-w100000", path});
    if (!process.waitForFinished(30000)) {
        *complaints = QStringLiteral("pgn-extract did not finish");
        return {};
    }
    *complaints = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    QStringList read;
    for (const QString& line : QString::fromLatin1(process.readAllStandardOutput()).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            read << line.simplified().replace(u'#', u'+');
    }
    return read;
}

// The moves and result a reader should find in an exported game.
QString expectedMoves(const QList<Style12Record>& records, const QByteArray& result)
{
    QStringList moves;
    for (qsizetype i = 1; i < records.size(); ++i)
        moves << QString::fromLatin1(records.at(i).PrettyMove.value());
    moves << QString::fromLatin1(result.isEmpty() ? QByteArray("*") : result);
    return moves.join(u' ');
}

} // namespace

class PgnExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gameText_data();
    void gameText();
    void longGamesBreakAfterTheMoveThatPassesTheLine();
    void exportingTwiceLeavesTwoGames();
    void emptyMoveListWritesNothing();
    void unwritableFileIsReported();
    void capturedGamesReadBackByAPgnReader_data();
    void capturedGamesReadBackByAPgnReader();
    void playedGamesReadBackByAPgnReader_data();
    void playedGamesReadBackByAPgnReader();
};

void PgnExportTest::gameText_data()
{
    QTest::addColumn<QList<Style12Record>>("records");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray tags = "\n[Event \"ICS Game\"]\n[Site \"ICS\"]\n[Date \"2004.05.06\"]\n"
                            "[White \"alice\"]\n[Black \"bob\"]\n";
    QTest::newRow("moves from the start with a result")
        << QList{record(Start), record(AfterE4), record(AfterE5), record(AfterNf3)}
        << QByteArray("1-0")
        << tags + "[Result \"1-0\"]\n\n1. e4 e5 2. Nf3  1-0\n";
    QTest::newRow("a game without a result ends with an asterisk and has no result tag")
        << QList{record(Start), record(AfterE4)} << QByteArray()
        << tags + "\n1. e4  *\n";
    QTest::newRow("a game observed from black's move starts with a FEN and a numbered black move")
        << QList{record(AfterE4), record(AfterE5), record(AfterNf3)} << QByteArray("*")
        << tags +
               "[Result \"*\"]\n[SetUp \"1\"]\n"
               "[FEN \"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\"]\n\n"
               "1... e5 2. Nf3  *\n";
    QTest::newRow("the starting position alone has no moves")
        << QList{record(Start)} << QByteArray("1/2-1/2")
        << tags + "[Result \"1/2-1/2\"]\n\n 1/2-1/2\n";

    Style12Record quoted = record(Start);
    quoted.WhiteName.setValue("a\"b\\c");
    QTest::newRow("quotes and backslashes in names are escaped")
        << QList{quoted} << QByteArray("0-1")
        << QByteArray("\n[Event \"ICS Game\"]\n[Site \"ICS\"]\n[Date \"2004.05.06\"]\n"
                      "[White \"a\\\"b\\\\c\"]\n[Black \"bob\"]\n[Result \"0-1\"]\n\n 0-1\n");
}

void PgnExportTest::gameText()
{
    QFETCH(QList<Style12Record>, records);
    QFETCH(QByteArray, result);
    QFETCH(QByteArray, expected);
    QCOMPARE(PgnExport::gameText(records, result, QDate(2004, 5, 6)), expected);
}

void PgnExportTest::longGamesBreakAfterTheMoveThatPassesTheLine()
{
    QList<Style12Record> records{record(Start)};
    for (int ply = 0; ply < 60; ++ply) {
        Style12Record next = records.last();
        next.WhitesMove = !next.WhitesMove;
        if (next.WhitesMove)
            next.MoveNumber = next.MoveNumber + 1;
        next.PrettyMove.setValue(next.WhitesMove ? "Nf6" : "Nf3");
        records.append(next);
    }
    const QByteArray text = PgnExport::gameText(records, "1-0", QDate(2004, 5, 6));
    const QList<QByteArray> moveLines = text.split('\n').mid(8);
    QVERIFY(moveLines.size() > 3);
    for (qsizetype i = 0; i + 2 < moveLines.size(); ++i) {
        const QByteArray& line = moveLines.at(i);
        QVERIFY2(line.size() > 73, line.constData());
        // Without its last move (and that move's number) the line was still short enough.
        static const QRegularExpression lastMove(QStringLiteral(R"((\d+\.+ )?\S+ $)"));
        const QString withoutLast = QString::fromLatin1(line).remove(lastMove);
        QVERIFY2(withoutLast.size() <= 73, line.constData());
    }
}

void PgnExportTest::exportingTwiceLeavesTwoGames()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("games.pgn"));
    const QList records{record(Start), record(AfterE4)};
    QString error;
    QVERIFY(PgnExport::append(path, records, "1-0", QDate(2004, 5, 6), &error));
    QVERIFY(PgnExport::append(path, records, "0-1", QDate(2004, 5, 6), &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(text.count("\n[Event \"ICS Game\"]"), 2);
    QVERIFY(text.startsWith("\n[Event"));
    QVERIFY(text.contains("1-0\n\n[Event"));
}

void PgnExportTest::emptyMoveListWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.pgn"));
    QVERIFY(PgnExport::append(path, {}, "1-0", QDate(2004, 5, 6), nullptr));
    QVERIFY(!QFile::exists(path));
}

void PgnExportTest::unwritableFileIsReported()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!PgnExport::append(dir.path(), {record(Start)}, "1-0", QDate(2004, 5, 6), &error));
    QVERIFY(!error.isEmpty());
}

void PgnExportTest::capturedGamesReadBackByAPgnReader_data()
{
    QTest::addColumn<QString>("capture");
    QTest::newRow("promotion, fool's mate and a flag fall") << "k_promo_mate_draw_flag.A.raw";
    QTest::newRow("castling, a takeback and a resignation") << "f_game.A.raw";
    QTest::newRow("an observed game") << "f_game.C.raw";
    QTest::newRow("flag and promotions") << "n_flag_promote_turn.A.raw";
}

// A real PGN reader must take every exported game without a complaint and find the same
// moves and result.
void PgnExportTest::capturedGamesReadBackByAPgnReader()
{
    QFETCH(QString, capture);
    const QString reader = pgnReader();
    if (reader.isEmpty())
        QSKIP("pgn-extract is not installed (scripts/install-deps installs it)");

    const QList<CapturedGame> games = gamesOf(capture);
    QVERIFY(!games.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.pgn"));
    QStringList expected;
    for (const CapturedGame& game : games) {
        QVERIFY(PgnExport::append(path, game.records, game.result, QDate::currentDate(), nullptr));
        expected << expectedMoves(game.records, game.result);
    }
    QString complaints;
    const QStringList read = readBack(reader, path, &complaints);
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
    QCOMPARE(read, expected);
}

void PgnExportTest::playedGamesReadBackByAPgnReader_data()
{
    QTest::addColumn<QByteArrayList>("moves");
    QTest::addColumn<int>("observedFrom"); // plies made before the observer's first board
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QStringList>("mustHold");

    const QByteArrayList whiteShortBlackLong{"e4",  "Nf6", "e5",  "d5",   "exd6",  "Qxd6", "Nf3",
                                             "Nc6", "Bc4", "Bg4", "O-O",  "O-O-O", "Nc3",  "e5",
                                             "Re1", "e4",  "d4",  "exd3", "Qxd3",  "Qxd3"};
    QTest::newRow("white castles short, black long, both take en passant")
        << whiteShortBlackLong << 0 << QByteArray("1/2-1/2")
        << QStringList{"O-O", "O-O-O", "exd6", "exd3"};
    QTest::newRow("white castles long, black short")
        << QByteArrayList{"d4", "Nf6", "Nc3", "g6", "Bf4", "Bg7", "Qd2", "O-O", "O-O-O", "d6"} << 0
        << QByteArray("0-1") << QStringList{"O-O", "O-O-O"};
    QTest::newRow("observed from a double step: the first move takes en passant")
        << whiteShortBlackLong.mid(0, 8) << 4 << QByteArray() << QStringList{"exd6"};
}

// Games with the moves the captures lack, played by the practice server's rules: a PGN
// reader must take each one and find the same moves and result.
void PgnExportTest::playedGamesReadBackByAPgnReader()
{
    QFETCH(QByteArrayList, moves);
    QFETCH(int, observedFrom);
    QFETCH(QByteArray, result);
    QFETCH(QStringList, mustHold);
    const QString reader = pgnReader();
    if (reader.isEmpty())
        QSKIP("pgn-extract is not installed (scripts/install-deps installs it)");

    const QList<Style12Record> records = playedGame(moves).mid(observedFrom);
    const QString expected = expectedMoves(records, result);
    for (const QString& move : mustHold)
        QVERIFY2(expected.split(u' ').contains(move),
                 qPrintable(move + QStringLiteral(" in ") + expected));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("played.pgn"));
    QVERIFY(PgnExport::append(path, records, result, QDate(2026, 1, 2), nullptr));
    QString complaints;
    const QStringList read = readBack(reader, path, &complaints);
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
    QCOMPARE(read, QStringList{expected});
}

QTEST_GUILESS_MAIN(PgnExportTest)
#include "PgnExportTest.moc"
