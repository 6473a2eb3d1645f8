#include "chat/DesktopNotice.h"

#include <QTest>

class DesktopNoticeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesLines_data();
    void choosesLines();
};

void DesktopNoticeTest::choosesLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<QString>("summary"); // empty: no notice
    QTest::addColumn<QString>("body");

    QTest::newRow("tell") << QByteArray("alice(TM) tells you: game?") << int(TextKind::Tell)
                          << QByteArray("TELLS") << "Tell from alice" << "game?";
    QTest::newRow("partner tell") << QByteArray("alice (your partner) tells you: sit")
                                  << int(TextKind::PTell) << QByteArray("(YOUR")
                                  << "Partner tell from alice" << "sit";
    QTest::newRow("challenge")
        << QByteArray("Challenge: alice (1500) bob (1400) unrated blitz 5 0.")
        << int(TextKind::Requests) << QByteArray() << "Challenge"
        << "alice (1500) bob (1400) unrated blitz 5 0.";
    QTest::newRow("say is no notice") << QByteArray("alice says: hi") << int(TextKind::Tell)
                                      << QByteArray("SAYS") << "" << "";
    QTest::newRow("draw offer is no notice") << QByteArray("alice offers you a draw.")
                                             << int(TextKind::Requests) << QByteArray() << ""
                                             << "";
    QTest::newRow("channel tell is no notice") << QByteArray("alice(50): hi")
                                               << int(TextKind::ChannelTell) << QByteArray("HI")
                                               << "" << "";
}

void DesktopNoticeTest::choosesLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(QByteArray, other);
    QFETCH(QString, summary);
    QFETCH(QString, body);

    const QByteArray speaker = line.left(line.indexOf(' ')).toUpper();
    const std::optional<DesktopNotice> notice =
        DesktopNotice::forLine(line, speaker, TextKind(kind), other);
    QCOMPARE(notice.has_value(), !summary.isEmpty());
    if (notice) {
        QCOMPARE(notice->summary, summary);
        QCOMPARE(notice->body, body);
    }
}

QTEST_GUILESS_MAIN(DesktopNoticeTest)
#include "DesktopNoticeTest.moc"
