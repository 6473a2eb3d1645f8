#include "net/SocksNegotiator.h"

#include <QTest>

namespace {

SocksSettings settingsFor(SocksLevel level, bool authenticate = false)
{
    SocksSettings settings;
    settings.server = QStringLiteral("proxy");
    settings.level = level;
    settings.userCode = QStringLiteral("ann");
    settings.password = QStringLiteral("pw");
    settings.authenticate = authenticate;
    return settings;
}

// Runs a SOCKS 5 negotiation without authentication up to the CONNECT request.
SocksNegotiator socks5AtRequest()
{
    SocksNegotiator negotiator(settingsFor(SocksLevel::Five), QStringLiteral("fics.test"), 5000);
    negotiator.start();
    negotiator.feed(QByteArray::fromHex("0500"));
    return negotiator;
}

} // namespace

class SocksNegotiatorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRequest_data();
    void firstRequest();
    void socks5RequestNamesTheHost();
    void socks5WithAuthenticationSendsCredentials();
    void socks5Failures_data();
    void socks5Failures();
    void socks4Replies_data();
    void socks4Replies();
    void replyInPiecesAndServerBytesBehindIt();
    void levelTexts_data();
    void levelTexts();
};

void SocksNegotiatorTest::firstRequest_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("authenticate");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("socks 4 carries the resolved address and the user code")
        << int(SocksLevel::Four) << false
        << QByteArray::fromHex("04011388c0000207") + QByteArray("ann\0", 4);
    QTest::newRow("socks 4A carries 0.0.0.1 and the host name")
        << int(SocksLevel::FourA) << false
        << QByteArray::fromHex("0401138800000001") + QByteArray("ann\0fics.test\0", 14);
    QTest::newRow("socks 5 offers only no authentication")
        << int(SocksLevel::Five) << false << QByteArray::fromHex("050100");
    QTest::newRow("socks 5 with authentication offers user/password too")
        << int(SocksLevel::Five) << true << QByteArray::fromHex("05020002");
}

void SocksNegotiatorTest::firstRequest()
{
    QFETCH(int, level);
    QFETCH(bool, authenticate);
    QFETCH(QByteArray, expected);
    SocksNegotiator negotiator(settingsFor(SocksLevel(level), authenticate),
                               QStringLiteral("fics.test"), 5000,
                               QHostAddress(QStringLiteral("192.0.2.7")));
    const auto step = negotiator.start();
    QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Continue));
    QCOMPARE(step.toSend, expected);
}

void SocksNegotiatorTest::socks5RequestNamesTheHost()
{
    SocksNegotiator negotiator(settingsFor(SocksLevel::Five), QStringLiteral("fics.test"), 5000);
    negotiator.start();
    const auto step = negotiator.feed(QByteArray::fromHex("0500"));
    QCOMPARE(step.toSend,
             QByteArray::fromHex("0501000309") + "fics.test" + QByteArray::fromHex("1388"));
}

void SocksNegotiatorTest::socks5WithAuthenticationSendsCredentials()
{
    SocksNegotiator negotiator(settingsFor(SocksLevel::Five, true), QStringLiteral("h"), 23);
    negotiator.start();
    auto step = negotiator.feed(QByteArray::fromHex("0502"));
    QCOMPARE(step.toSend, QByteArray::fromHex("0103") + "ann" + QByteArray::fromHex("02") + "pw");
    step = negotiator.feed(QByteArray::fromHex("0100"));
    QCOMPARE(step.toSend, QByteArray::fromHex("0501000301") + "h" + QByteArray::fromHex("0017"));
    step = negotiator.feed(QByteArray::fromHex("05000001") + QByteArray(6, '\0'));
    QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Connected));
}

void SocksNegotiatorTest::socks5Failures_data()
{
    QTest::addColumn<bool>("authenticate");
    QTest::addColumn<QByteArray>("methodReply");
    QTest::addColumn<QByteArray>("secondReply");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QByteArray none = QByteArray::fromHex("0500");
    auto reply = [](const char* hex) { return QByteArray::fromHex(hex); };
    QTest::newRow("wrong version in the method answer")
        << false << reply("0400") << QByteArray() << 20002 << "socks version error";
    QTest::newRow("no acceptable method") << false << reply("05ff") << QByteArray() << 20003
                                          << "authentification method not acceptable";
    QTest::newRow("user/password chosen although not offered")
        << false << reply("0502") << QByteArray() << 20003
        << "authentification method not acceptable";
    QTest::newRow("more bytes than the method answer")
        << false << reply("050000") << QByteArray() << 20001 << "too much data availaible";
    QTest::newRow("credentials refused")
        << true << reply("0502") << reply("0101") << 20015 << "socks authentication failed";
    const char* texts[] = {"general SOCKS server failure", "connection not allowed by ruleset",
                           "network unreachable",          "host unreachable",
                           "connection refused",           "time to live expired",
                           "command not supported",        "address type not supported"};
    for (int code = 1; code <= 8; ++code) {
        QTest::addRow("reply %d", code)
            << false << none << (reply("05") + char(code) + reply("0001") + QByteArray(6, '\0'))
            << 20003 + code << texts[code - 1];
    }
    QTest::newRow("unassigned reply code")
        << false << none << reply("052a0001") << 20012 << "unassigned error #42";
    QTest::newRow("unknown address type in the reply")
        << false << none << reply("05000009") + QByteArray(6, '\0') << 20011
        << "address type not supported";
    QTest::newRow("wrong version in the connect answer")
        << false << none << reply("04000001") << 20002 << "socks version error";
}

void SocksNegotiatorTest::socks5Failures()
{
    QFETCH(bool, authenticate);
    QFETCH(QByteArray, methodReply);
    QFETCH(QByteArray, secondReply);
    QFETCH(int, code);
    QFETCH(QString, message);
    SocksNegotiator negotiator(settingsFor(SocksLevel::Five, authenticate),
                               QStringLiteral("fics.test"), 5000);
    negotiator.start();
    auto step = negotiator.feed(methodReply);
    if (!secondReply.isEmpty()) {
        QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Continue));
        step = negotiator.feed(secondReply);
    }
    QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Failed));
    QCOMPARE(step.errorCode, code);
    QCOMPARE(step.message, message);
}

void SocksNegotiatorTest::socks4Replies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    auto reply = [](int version, int status) {
        return QByteArray(1, char(version)) + char(status) + QByteArray(6, '\0');
    };
    QTest::newRow("granted") << reply(0, 90) << 0 << QString();
    QTest::newRow("rejected") << reply(0, 91) << 20016 << "request rejected or failed";
    QTest::newRow("identd unreachable") << reply(0, 92) << 20008 << "connection refused";
    QTest::newRow("user id mismatch") << reply(0, 93) << 20015 << "authentification failed";
    QTest::newRow("unknown status") << reply(0, 7) << 20012 << "unassigned error #7";
    QTest::newRow("wrong version") << reply(5, 90) << 20002 << "socks version error";
}

void SocksNegotiatorTest::socks4Replies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, code);
    QFETCH(QString, message);
    SocksNegotiator negotiator(settingsFor(SocksLevel::FourA), QStringLiteral("fics.test"), 5000);
    negotiator.start();
    const auto step = negotiator.feed(reply);
    QCOMPARE(int(step.outcome), int(code == 0 ? SocksNegotiator::Outcome::Connected
                                              : SocksNegotiator::Outcome::Failed));
    QCOMPARE(step.errorCode, code);
    QCOMPARE(step.message, message);
}

void SocksNegotiatorTest::replyInPiecesAndServerBytesBehindIt()
{
    SocksNegotiator negotiator = socks5AtRequest();
    const QByteArray reply =
        QByteArray::fromHex("0500000309") + "proxyhost" + QByteArray::fromHex("1f90") + "login: ";
    for (int i = 0; i < 10; ++i) {
        const auto step = negotiator.feed(reply.mid(i, 1));
        QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Continue));
        QVERIFY(step.toSend.isEmpty());
    }
    const auto step = negotiator.feed(reply.mid(10));
    QCOMPARE(int(step.outcome), int(SocksNegotiator::Outcome::Connected));
    QCOMPARE(step.leftover, QByteArray("login: "));
}

void SocksNegotiatorTest::levelTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("4") << "4"
                       << "4";
    QTest::newRow("4A") << "4A"
                        << "4A";
    QTest::newRow("4a is taken as 4A") << "4a"
                                       << "4A";
    QTest::newRow("5") << "5"
                       << "5";
    QTest::newRow("3 is refused") << "3" << QString();
    QTest::newRow("5a is refused") << "5a" << QString();
    QTest::newRow("empty is refused") << "" << QString();
}

void SocksNegotiatorTest::levelTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    const auto level = SocksSettings::parseLevel(text);
    QCOMPARE(level.has_value(), !normalised.isEmpty());
    if (level)
        QCOMPARE(SocksSettings::levelText(*level), normalised);
}

QTEST_GUILESS_MAIN(SocksNegotiatorTest)
#include "SocksNegotiatorTest.moc"
