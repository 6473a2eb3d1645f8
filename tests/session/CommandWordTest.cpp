#include "session/CommandWord.h"

#include <QTest>

class CommandWordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handles_data();
    void handles();
    void gameNumbers_data();
    void gameNumbers();
    void leadingHandles_data();
    void leadingHandles();
};

void CommandWordTest::handles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("handle");
    QTest::newRow("plain handle") << QByteArray("alice") << "alice";
    QTest::newRow("guest") << QByteArray("GuestABCD") << "GuestABCD";
    QTest::newRow("caret would send a second command") << QByteArray("bob^quit") << "";
    QTest::newRow("line break") << QByteArray("bob\nquit") << "";
    QTest::newRow("blank inside") << QByteArray("bob quit") << "";
    QTest::newRow("longer than a handle") << QByteArray(18, 'a') << "";
    QTest::newRow("longest handle") << QByteArray(17, 'a') << QString(17, u'a');
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("eight-bit text") << QByteArray("b\xe9") << "";
}

void CommandWordTest::handles()
{
    QFETCH(QByteArray, text);
    QTEST(CommandWord::handle(QByteArrayView(text)), "handle");
    QTEST(CommandWord::handle(QString::fromLatin1(text)), "handle");
}

void CommandWordTest::gameNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::newRow("number") << "12" << "12";
    QTest::newRow("journal slot") << "%05" << "%05";
    QTest::newRow("percent alone") << "%" << "";
    QTest::newRow("caret") << "1^quit" << "";
    QTest::newRow("too long") << "1234567890" << "";
    QTest::newRow("sign") << "-1" << "";
}

void CommandWordTest::gameNumbers()
{
    QFETCH(QString, text);
    QTEST(CommandWord::gameNumber(text), "number");
}

void CommandWordTest::leadingHandles_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("handle");
    QTest::newRow("a plain handle") << "bob" << "bob";
    QTest::newRow("titles after the handle") << "GuestXKQW(U)" << "GuestXKQW";
    QTest::newRow("a caret ends the handle") << "bob^quit" << "bob";
    QTest::newRow("a line break ends the handle") << "bob\nquit" << "bob";
    QTest::newRow("no handle at the start") << "(50)" << "";
    QTest::newRow("too long for a handle") << "abcdefghijklmnopqrstuvwxyz" << "";
    QTest::newRow("a letter beyond ASCII ends the handle") << QString::fromUtf8("bob\u00e9") << "bob";
}

void CommandWordTest::leadingHandles()
{
    QFETCH(QString, picked);
    QFETCH(QString, handle);
    QCOMPARE(CommandWord::leadingHandle(picked), handle);
}

QTEST_GUILESS_MAIN(CommandWordTest)
#include "CommandWordTest.moc"
