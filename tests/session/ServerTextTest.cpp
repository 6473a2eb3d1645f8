#include "session/ServerText.h"

#include <QTest>

class ServerTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readInteger_data();
    void readInteger();
    void find_data();
    void find();
};

void ServerTextTest::readInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << QByteArray("42") << 42;
    QTest::newRow("minus sign") << QByteArray("-7") << -7;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("one past the largest") << QByteArray("2147483648") << 0;
    QTest::newRow("far too long") << QByteArray("99999999999999999999999") << 0;
    QTest::newRow("trailing letter") << QByteArray("12a") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("blank") << QByteArray(" 1") << 0;
}

void ServerTextTest::readInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(ServerText::readInteger(text), value);
}

void ServerTextTest::find_data()
{
    QTest::addColumn<QByteArray>("haystack");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<qsizetype>("at");

    QTest::newRow("found") << QByteArray("a capt%%2") << QByteArray("capt%%") << qsizetype(2);
    QTest::newRow("missing") << QByteArray("a capt%2") << QByteArray("capt%%") << qsizetype(-1);
    QTest::newRow("null haystack") << QByteArray() << QByteArray("x") << qsizetype(-1);
    QTest::newRow("needle longer than haystack") << QByteArray("ab") << QByteArray("abc")
                                                 << qsizetype(-1);
    QTest::newRow("empty needle") << QByteArray("ab") << QByteArray() << qsizetype(0);
}

void ServerTextTest::find()
{
    QFETCH(QByteArray, haystack);
    QFETCH(QByteArray, needle);
    QFETCH(qsizetype, at);
    QCOMPARE(ServerText::find(haystack, needle), at);
}

QTEST_GUILESS_MAIN(ServerTextTest)
#include "ServerTextTest.moc"
