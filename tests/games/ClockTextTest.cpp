#include "games/ClockText.h"

#include <QTest>

class ClockTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serverClock_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("two minutes five") << qint64(125000) << "2:05";
        QTest::newRow("half a minute past zero") << qint64(-30000) << "-0:30";
        QTest::newRow("over a minute past zero") << qint64(-65000) << "-1:05";
        QTest::newRow("an hour keeps its minutes") << qint64(3600000) << "60:00";
        QTest::newRow("zero") << qint64(0) << "0:00";
    }
    void serverClock()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(ClockText::fromServer(milliseconds), text);
    }

    void runningClock_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("minutes and seconds") << qint64(125000) << "02:05";
        QTest::newRow("an hour shows its hours") << qint64(3600000) << "1:00:00";
        QTest::newRow("hours minutes seconds") << qint64(5025000) << "1:23:45";
        QTest::newRow("one second past zero") << qint64(-1000) << "- 00:01";
        QTest::newRow("a minute past zero") << qint64(-61000) << "- 01:01";
        QTest::newRow("zero") << qint64(0) << "00:00";
    }
    void runningClock()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(ClockText::running(milliseconds), text);
    }
};

QTEST_GUILESS_MAIN(ClockTextTest)
#include "ClockTextTest.moc"
