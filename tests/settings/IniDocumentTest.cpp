#include "settings/IniDocument.h"

#include <QTest>

class IniDocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsValue_data();
    void readsValue();
    void writesValue_data();
    void writesValue();
    void lineBreaksInWrittenNamesStayOnOneLine();
    void erasesEverySectionOfThatName();
    void listsKeysInFileOrderOnce();
};

void IniDocumentTest::readsValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");

    const QByteArray longValue(3000, 'x');
    QTest::newRow("plain") << QByteArray("[S]\r\nk=v\r\n") << "S" << "k" << true << "v";
    QTest::newRow("names without case") << QByteArray("[Quodlin]\r\nAutoFlag=0\r\n") << "QUODLIN"
                                        << "autoflag" << true << "0";
    QTest::newRow("first key wins") << QByteArray("[S]\nk=1\nK=2\n") << "S" << "k" << true << "1";
    QTest::newRow("first section wins")
        << QByteArray("[S]\nk=1\n[s]\nk=2\nonly=3\n") << "S" << "k" << true << "1";
    QTest::newRow("key of a later section of the same name is not seen")
        << QByteArray("[S]\nk=1\n[s]\nonly=3\n") << "S" << "only" << false << "";
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ S ]  \n \t k \t=  a b \t\r\n") << "S" << "k" << true << "a b";
    QTest::newRow("double quotes stripped")
        << QByteArray("[S]\nk=\" padded \"\n") << "S" << "k" << true << " padded ";
    QTest::newRow("single quotes stripped") << QByteArray("[S]\nk='x'\n") << "S" << "k" << true
                                            << "x";
    QTest::newRow("only one pair stripped")
        << QByteArray("[S]\nk=\"\"x\"\"\n") << "S" << "k" << true << "\"x\"";
    QTest::newRow("unmatched quotes kept")
        << QByteArray("[S]\nk=\"x'\n") << "S" << "k" << true << "\"x'";
    QTest::newRow("lone quote kept") << QByteArray("[S]\nk=\"\n") << "S" << "k" << true << "\"";
    QTest::newRow("equals sign inside the value")
        << QByteArray("[S]\nk=a=b\n") << "S" << "k" << true << "a=b";
    QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << "S" << "k" << true << "";
    QTest::newRow("value cut at 2047 characters")
        << QByteArray("[S]\nk=" + longValue + "\n") << "S" << "k" << true
        << QString(2047, u'x');
    QTest::newRow("old Mac line ends") << QByteArray("[S]\rk=v\r") << "S" << "k" << true << "v";
    QTest::newRow("last line without line end")
        << QByteArray("[S]\r\nk=v") << "S" << "k" << true << "v";
    QTest::newRow("line without equals sign is no key")
        << QByteArray("[S]\nk\n") << "S" << "k" << false << "";
    QTest::newRow("key before any section belongs to none")
        << QByteArray("k=v\n[S]\n") << "S" << "k" << false << "";
    QTest::newRow("header without closing bracket is no section")
        << QByteArray("[S\nk=v\n") << "S" << "k" << false << "";
    QTest::newRow("bracket inside the section name")
        << QByteArray("[a]b]\nk=v\n") << "a]b" << "k" << true << "v";
    QTest::newRow("missing section") << QByteArray("[T]\nk=v\n") << "S" << "k" << false << "";
    QTest::newRow("missing key") << QByteArray("[S]\nj=v\n") << "S" << "k" << false << "";
    QTest::newRow("empty document") << QByteArray() << "S" << "k" << false << "";
}

void IniDocumentTest::readsValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, value);

    const std::optional<QString> read = IniDocument(content).value(section, key);
    QCOMPARE(read.has_value(), found);
    if (found)
        QCOMPARE(*read, value);
}

void IniDocumentTest::writesValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("first write creates the section")
        << QByteArray() << "S" << "k" << "v" << QByteArray("[S]\r\nk=v\r\n");
    QTest::newRow("replaced in place, other lines kept byte for byte")
        << QByteArray("; note\n[S]\n  a = 1\nk=old\n z=\"q\"\n") << "s" << "K" << "new"
        << QByteArray("; note\r\n[S]\r\n  a = 1\r\nk=new\r\n z=\"q\"\r\n");
    QTest::newRow("replacing keeps the stored spelling of the key")
        << QByteArray("[S]\n  Key  =  1 \n") << "S" << "KEY" << "2"
        << QByteArray("[S]\r\nKey=2\r\n");
    QTest::newRow("new key goes after the section's last line, before the blank")
        << QByteArray("[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n") << "S" << "c" << "3"
        << QByteArray("[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[S]\r\n[T]\r\n") << "S" << "c" << "3"
        << QByteArray("[S]\r\nc=3\r\n[T]\r\n");
    QTest::newRow("new section at the end")
        << QByteArray("[S]\r\na=1") << "T" << "b" << "2" << QByteArray("[S]\r\na=1\r\n[T]\r\nb=2\r\n");
    QTest::newRow("line breaks in the value become spaces")
        << QByteArray("[S]\r\nk=1\r\n") << "S" << "k" << "x\r\n[Evil]\nk=2\r"
        << QByteArray("[S]\r\nk=x  [Evil] k=2 \r\n");
}

void IniDocumentTest::writesValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);

    IniDocument document(content);
    document.setValue(section, key, value);
    QCOMPARE(document.toBytes(), expected);
}

void IniDocumentTest::lineBreaksInWrittenNamesStayOnOneLine()
{
    IniDocument document;
    document.setValue(QStringLiteral("S]\n[T"), QStringLiteral("a\r\nb"), QStringLiteral("v"));
    const IniDocument reread(document.toBytes());
    QVERIFY(!reread.hasSection(QStringLiteral("T")));
    QCOMPARE(reread.keys(QStringLiteral("S] [T")), QStringList{QStringLiteral("a  b")});
}

void IniDocumentTest::erasesEverySectionOfThatName()
{
    IniDocument document("[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n[s]\r\nc=3\r\n");
    document.eraseSection(QStringLiteral("S"));
    QCOMPARE(document.toBytes(), QByteArray("[T]\r\nb=2\r\n"));
}

void IniDocumentTest::listsKeysInFileOrderOnce()
{
    const IniDocument document("[S]\nz=1\n; comment\na = \"2\"\nZ=3\n[T]\nt=4\n");
    QCOMPARE(document.keys(QStringLiteral("s")), (QStringList{"z", "a"}));
    QCOMPARE(document.sectionLines(QStringLiteral("s")), (QStringList{"z=1", "a=2"}));
    QVERIFY(document.keys(QStringLiteral("missing")).isEmpty());
}

QTEST_GUILESS_MAIN(IniDocumentTest)
#include "IniDocumentTest.moc"
