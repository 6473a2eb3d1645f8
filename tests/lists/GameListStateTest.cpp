#include "lists/GameListCommands.h"
#include "lists/GameListState.h"

#include <QTest>

using Button = GameListCommands::Button;

namespace {

// The public server's rows, laid out by its column widths.
const QList<QByteArray> StoredReply{
    "Stored games for alice:",
    "    C Opponent       On Type          Str  M    ECO Date",
    " 1: W bob             Y [ br  2  12] 39-39 W3   C20 Thu Dec 10 12:21 UTC 2026",
    " 2: B *carol          N [ sr 15   0] 39-39 B12  B01 Wed Dec  9 20:01 UTC 2026",
};

const QList<QByteArray> JournalReply{
    "Journal for alice:",
    "%01: alice         1558    bob           1882    [ lr  1   0] C20 Res 1-0",
    "%02: bob           1882    ALICE         1558    [ bu  5   0] B01 Agr 1/2-1/2",
    "x01: carol         1882    ALICE         1558    [ bu  5   0] B01 Agr 1/2-1/2",
};

// From the captures (k_lists.A): the history rows have the public server's columns.
const QList<QByteArray> HistoryReply{
    "History for alice:",
    "                  Opponent      Type         ECO End Date",
    " 0: =    0 W    0 bob           [ bu  5   0] B01 Agr Thu Dec 10 12:20:54 2026",
    " 1: -    0 W    0 bob           [ bu  5   0] A00 Mat Thu Dec 10 12:20:58 2026",
    " 2: - 1558 W 1882 bob           [ lr  1   0] C20 Res Thu Dec 10 12:21:40 2026",
};

} // namespace

class GameListStateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void beforeAnyReply();
    void storedRows();
    void oneDigitNumbersLineUp();
    void journalOpponentIsTheOtherPlayer();
    void journalLineNeedsPercent();
    void historyRowsAndLimit();
    void storedRowLimit();
    void replyWithoutTitleKeepsTheOwner();
    void bareTitleWithoutOwner();
    void shortAndOddRowsGiveEmptyValues();
    void buttonCommands_data();
    void buttonCommands();
    void serverTextNeverBecomesASecondCommand();
    void requests();
};

void GameListStateTest::beforeAnyReply()
{
    const GameListState state(GameListKind::History);
    QCOMPARE(state.caption(), QStringLiteral("History"));
    QCOMPARE(state.rows().size(), 10);
    QCOMPARE(state.rows().first().first(), QStringLiteral("01"));
    QCOMPARE(state.rows().last().first(), QStringLiteral("10"));
    QVERIFY(state.owner().isEmpty());
}

void GameListStateTest::storedRows()
{
    GameListState state(GameListKind::Stored);
    QVERIFY(state.fill(StoredReply));
    QCOMPARE(state.caption(), QStringLiteral("Stored games for alice"));
    QCOMPARE(state.owner(), QStringLiteral("alice"));
    QCOMPARE(state.rows().size(), 100);
    const GameListState::Row& row = state.rows().first();
    QCOMPARE(row, (QStringList{" 1", "W", "bob            ", "Y", "[ br  2  12]", "39-39", "W3 ",
                               "C20", "Thu Dec 10 12:21 UTC 2026"}));
    QCOMPARE(state.opponent(1), QStringLiteral("carol")); // the "*" goes
    QCOMPARE(state.adjudicateLabel(0), QStringLiteral("message adjudicate alice bob"));
    QCOMPARE(state.adjudicateLabel(1), QStringLiteral("message adjudicate carol alice"));
}

void GameListStateTest::oneDigitNumbersLineUp()
{
    GameListState state(GameListKind::Stored);
    // The reply's own blank is trimmed away, and put back for the one-digit number.
    state.fill({StoredReply[2].trimmed()});
    QCOMPARE(state.number(0), QStringLiteral("1"));
    QCOMPARE(state.rows()[0][1], QStringLiteral("W"));
    QCOMPARE(state.opponent(0), QStringLiteral("bob"));
}

void GameListStateTest::journalOpponentIsTheOtherPlayer()
{
    GameListState state(GameListKind::Journal);
    state.fill(JournalReply);
    QCOMPARE(state.caption(), QStringLiteral("Journal for  alice"));
    QCOMPARE(state.number(0), QStringLiteral("%01"));
    QCOMPARE(state.opponent(0), QStringLiteral("bob"));
    QCOMPARE(state.opponent(1), QStringLiteral("bob"));
}

void GameListStateTest::journalLineNeedsPercent()
{
    GameListState state(GameListKind::Journal);
    state.fill(JournalReply);
    QVERIFY(state.number(2).isEmpty());
}

void GameListStateTest::historyRowsAndLimit()
{
    GameListState state(GameListKind::History);
    QList<QByteArray> reply = HistoryReply;
    for (int i = 3; i < 12; ++i)
        reply.append(HistoryReply[4]);
    state.fill(reply);
    QCOMPARE(state.caption(), QStringLiteral("History of alice"));
    QCOMPARE(state.rows().size(), 10);
    QCOMPARE(state.number(0), QStringLiteral("0"));
    QCOMPARE(state.rows()[2][2], QStringLiteral("1558"));
    QCOMPARE(state.rows()[2][6], QStringLiteral("[ lr  1   0]"));
    QCOMPARE(state.opponent(2), QStringLiteral("bob"));
}

void GameListStateTest::storedRowLimit()
{
    QList<QByteArray> reply{StoredReply[0]};
    for (int i = 0; i < 120; ++i)
        reply.append(StoredReply[2]);
    GameListState state(GameListKind::Stored);
    state.fill(reply);
    QCOMPARE(state.rows().size(), 100);
    QCOMPARE(state.number(99), QStringLiteral("1"));
}

void GameListStateTest::replyWithoutTitleKeepsTheOwner()
{
    GameListState state(GameListKind::History);
    state.fill(HistoryReply);
    QVERIFY(!state.fill({"Sorry, no game information available."}));
    QCOMPARE(state.owner(), QStringLiteral("alice"));
    QCOMPARE(state.caption(), QStringLiteral("History of alice"));
    QVERIFY(state.number(0).isEmpty());
}

void GameListStateTest::bareTitleWithoutOwner()
{
    GameListState state(GameListKind::History);
    QVERIFY(!state.fill({"History for"}));
    QVERIFY(!state.fill({"History for " + QByteArray(40, 'x') + ':'}));
    QCOMPARE(state.caption(), QStringLiteral("History"));
    QVERIFY(state.owner().isEmpty());
}

void GameListStateTest::shortAndOddRowsGiveEmptyValues()
{
    GameListState state(GameListKind::Stored);
    state.fill({QByteArray(60, '#'), "\xff\xfe\x01 short", QByteArray(56, ' ') + "x"});
    QVERIFY(state.number(0).isEmpty());
    QVERIFY(state.opponent(0).isEmpty());
    QVERIFY(state.number(150).isEmpty());
    QVERIFY(state.number(-1).isEmpty());
}

void GameListStateTest::buttonCommands_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("command");
    const int stored = GameListKind::Stored;
    const int journal = GameListKind::Journal;
    const int history = GameListKind::History;
    QTest::newRow("stored examine") << stored << int(Button::Examine) << 0 << "examine alice bob";
    QTest::newRow("stored position") << stored << int(Button::Position) << 0 << "spos alice bob";
    QTest::newRow("stored moves") << stored << int(Button::Moves) << 1 << "smoves alice carol";
    QTest::newRow("stored resign") << stored << int(Button::Resign) << 0 << "resign bob";
    QTest::newRow("stored draw") << stored << int(Button::OfferDraw) << 0 << "sdraw bob";
    QTest::newRow("stored abort") << stored << int(Button::OfferAbort) << 0 << "sabort bob";
    QTest::newRow("stored adjudicate") << stored << int(Button::Adjudicate) << 0
                                       << "message adjudicate alice bob please";
    QTest::newRow("journal examine") << journal << int(Button::Examine) << 1
                                     << "examine alice %02";
    QTest::newRow("journal mail") << journal << int(Button::MailStored) << 0
                                  << "mailstored alice %01";
    QTest::newRow("journal delete") << journal << int(Button::DeleteFromJournal) << 0
                                    << "jkill %01";
    QTest::newRow("history examine") << history << int(Button::Examine) << 2 << "examine alice 2";
    QTest::newRow("history moves") << history << int(Button::Moves) << 0 << "smoves alice 0";
    QTest::newRow("history to journal") << history << int(Button::AddToJournal) << 2
                                        << "jsave %05 alice 2";
    QTest::newRow("no selection") << history << int(Button::Examine) << -1 << "";
    QTest::newRow("blank row") << stored << int(Button::Resign) << 50 << "";
}

void GameListStateTest::buttonCommands()
{
    QFETCH(int, kind);
    QFETCH(int, button);
    QFETCH(int, row);
    GameListState state{GameListKind::Id(kind)};
    state.fill(kind == GameListKind::Stored    ? StoredReply
               : kind == GameListKind::Journal ? JournalReply
                                               : HistoryReply);
    GameListCommands::Extra extra;
    extra.adjudicateLabel = state.adjudicateLabel(row);
    extra.adjudicateText = QStringLiteral("please");
    extra.slot = QStringLiteral("%05");
    QTEST(GameListCommands::forButton(state, row, Button(button), extra), "command");
}

void GameListStateTest::serverTextNeverBecomesASecondCommand()
{
    GameListState state(GameListKind::History);
    state.fill({"History for alice^quit:",
                " 2: - 1558 W 1882 bob^quit       [ lr  1   0] C20 Res Thu Dec 10 12:21:40 2026",
                "^1: - 1558 W 1882 bob           [ lr  1   0] C20 Res Thu Dec 10 12:21:40 2026"});
    QVERIFY(state.owner().isEmpty());
    QVERIFY(state.opponent(0).isEmpty());
    QVERIFY(state.number(1).isEmpty());
    QVERIFY(GameListCommands::forButton(state, 1, Button::Examine).isEmpty());
}

void GameListStateTest::requests()
{
    QCOMPARE(GameListState(GameListKind::Stored).requestFor("bob"),
             QStringLiteral("iset block 1^101 Stored bob^999 iset block 0"));
    QCOMPARE(GameListState(GameListKind::Journal).requestFor("bob"),
             QStringLiteral("iset block 1^102 journal bob^999 iset block 0"));
    QCOMPARE(GameListState(GameListKind::History).requestFor(""),
             QStringLiteral("iset block 1^100 History ^999 iset block 0"));
}

QTEST_GUILESS_MAIN(GameListStateTest)
#include "GameListStateTest.moc"
