#include "session/CommandHistory.h"

#include <QTest>

// Each step is "add:TEXT", "up" or "down"; the result lists what up and down showed,
// "-" where they showed nothing.
class CommandHistoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recall_data();
    void recall();
};

void CommandHistoryTest::recall_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing typed yet") << QStringList{"up", "down"} << QStringList{"-", "-"};
    QTest::newRow("up goes back from the newest, stops at the oldest")
        << QStringList{"add:who", "add:finger", "up", "up", "up"}
        << QStringList{"finger", "who", "-"};
    QTest::newRow("down past the newest gives back the text being typed")
        << QStringList{"add:who", "add:finger", "up", "up", "down", "down", "down"}
        << QStringList{"finger", "who", "finger", "tell b", "-"};
    QTest::newRow("empty commands and repeats are kept once")
        << QStringList{"add:who", "add:", "add:who", "add:finger", "add:who", "up", "up", "up",
                       "up"}
        << QStringList{"who", "finger", "who", "-"};
    QTest::newRow("sending ends the recall")
        << QStringList{"add:who", "add:finger", "up", "up", "add:say hi", "up", "down"}
        << QStringList{"finger", "who", "say hi", "tell b"};
}

void CommandHistoryTest::recall()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    CommandHistory history;
    QStringList results;
    const auto show = [&](const std::optional<QString>& text) { results << text.value_or("-"); };
    for (const QString& step : steps) {
        if (step.startsWith("add:"))
            history.add(step.mid(4));
        else if (step == "up")
            show(history.older("tell b"));
        else
            show(history.newer());
    }
    QCOMPARE(results, shown);
}

QTEST_GUILESS_MAIN(CommandHistoryTest)
#include "CommandHistoryTest.moc"
