#include "chat/TerminalBacklog.h"

#include <QTest>

class TerminalBacklogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutCountsShownAndWaitingLines_data();
    void cutCountsShownAndWaitingLines();
    void unfinishedLineGoesWithTheLineItStarts();
    void waitingPartialPieceIsCutWithItsLine();
    void clearForgetsEverything();

private:
    static TerminalBacklog::Piece line(int number)
    {
        return {QStringLiteral("line %1").arg(number), TextKind::Normal, QString(), true};
    }
    static TerminalBacklog::Piece partial(const QString& text)
    {
        return {text, TextKind::Normal, QString(), false};
    }
};

void TerminalBacklogTest::cutCountsShownAndWaitingLines_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("appended");
    QTest::addColumn<int>("cutShown");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("firstWaiting");

    QTest::newRow("up to the limit nothing is cut") << 0 << 1000 << 0 << 1000 << "line 0";
    QTest::newRow("one line past the limit cuts the pane's oldest")
        << 1000 << 1 << 300 << 1 << "line 0";
    QTest::newRow("a cut larger than the pane reaches the waiting lines")
        << 100 << 1000 << 100 << 800 << "line 200";
    QTest::newRow("a flood in one frame keeps only what the pane would")
        << 0 << 100000 << 0 << 1000 << "line 99000";
}

void TerminalBacklogTest::cutCountsShownAndWaitingLines()
{
    QFETCH(int, shown);
    QFETCH(int, appended);
    QFETCH(int, cutShown);
    QFETCH(int, waiting);
    QFETCH(QString, firstWaiting);

    TerminalBacklog backlog;
    for (int i = 0; i < shown; ++i)
        backlog.append(line(-1));
    backlog.take();
    for (int i = 0; i < appended; ++i) {
        backlog.append(line(i));
        QVERIFY(backlog.lineCount() <= TerminalBacklog::MaxLines);
    }
    const TerminalBacklog::Batch batch = backlog.take();
    QCOMPARE(batch.cutShown, cutShown);
    QCOMPARE(batch.pieces.size(), waiting);
    QCOMPARE(batch.pieces.first().text, firstWaiting);
    QCOMPARE(backlog.lineCount(), shown - cutShown + waiting);
    QVERIFY(backlog.isEmpty());
}

void TerminalBacklogTest::unfinishedLineGoesWithTheLineItStarts()
{
    TerminalBacklog backlog;
    for (int i = 0; i < 10; ++i)
        backlog.append(line(i));
    backlog.append(partial(QStringLiteral("login: ")));
    backlog.take();

    // The pane's 10 lines go, then its open "login: " with the first waiting line.
    for (int i = 0; i < 991; ++i)
        backlog.append(line(i));
    const TerminalBacklog::Batch batch = backlog.take();
    QCOMPARE(batch.cutShown, 11);
    QCOMPARE(batch.pieces.size(), 701);
    QCOMPARE(batch.pieces.first().text, QStringLiteral("line 290"));
}

void TerminalBacklogTest::waitingPartialPieceIsCutWithItsLine()
{
    TerminalBacklog backlog;
    backlog.append(partial(QStringLiteral("login: ")));
    backlog.append(line(0));
    for (int i = 1; i < 1001; ++i)
        backlog.append(line(i));
    const TerminalBacklog::Batch batch = backlog.take();
    QCOMPARE(batch.pieces.size(), 701);
    QCOMPARE(batch.pieces.first().text, QStringLiteral("line 300"));
}

void TerminalBacklogTest::clearForgetsEverything()
{
    TerminalBacklog backlog;
    for (int i = 0; i < 1000; ++i)
        backlog.append(line(i));
    backlog.take();
    backlog.append(line(1000));
    backlog.clear();
    QVERIFY(backlog.isEmpty());
    QCOMPARE(backlog.lineCount(), 0);

    backlog.append(line(0));
    QCOMPARE(backlog.take().cutShown, 0);
}

QTEST_GUILESS_MAIN(TerminalBacklogTest)
#include "TerminalBacklogTest.moc"
