#include "settings/SettingsValue.h"

#include <QTest>

using namespace SettingsValue;

class SettingsValueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesInteger_data();
    void parsesInteger();
    void readsBoolean_data();
    void readsBoolean();
    void percentages();
    void colours();
};

void SettingsValueTest::parsesInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << "750" << true << 750;
    QTest::newRow("negative") << "-16777201" << true << -16777201;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("dollar hex") << "$FF" << true << 255;
    QTest::newRow("0x hex") << "0x10" << true << 16;
    QTest::newRow("0X hex, mixed case digits") << "0X1fA" << true << 0x1FA;
    QTest::newRow("hex system colour wraps negative") << "0xFF00000F" << true << -16777201;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("hex beyond 32 bits") << "$1FFFFFFFF" << false << 0;
    QTest::newRow("word true") << "true" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("prefix alone") << "0x" << false << 0;
    QTest::newRow("trailing text") << "12a" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663") << false << 0;
    QTest::newRow("hex letter in decimal") << "1F" << false << 0;
}

void SettingsValueTest::parsesInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(int, value);

    const std::optional<qint32> parsed = parseInteger(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
    QCOMPARE(toInteger(text, 42), isNumber ? value : 42);
}

void SettingsValueTest::readsBoolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byDefault");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("any non-zero number") << "-3" << false << true;
    QTest::newRow("hex zero") << "$0" << true << false;
    QTest::newRow("word true gives the default false") << "true" << false << false;
    QTest::newRow("word false gives the default true") << "false" << true << true;
}

void SettingsValueTest::readsBoolean()
{
    QFETCH(QString, text);
    QFETCH(bool, byDefault);
    QFETCH(bool, expected);
    QCOMPARE(toBool(text, byDefault), expected);
}

void SettingsValueTest::percentages()
{
    QCOMPARE(toPercentage(QStringLiteral("55"), 0.7f), 0.55f);
    QCOMPARE(toPercentage(QStringLiteral("x"), 0.7f), 0.7f);
    QCOMPARE(fromPercentage(0.65f), QStringLiteral("65"));
    QCOMPARE(fromPercentage(0.554f), QStringLiteral("55"));
    QCOMPARE(fromPercentage(-0.1f), QStringLiteral("-10"));
    QCOMPARE(fromPercentage(1e30f), QStringLiteral("2147483647"));
    QCOMPARE(fromBool(true), QStringLiteral("1"));
    QCOMPARE(fromBool(false), QStringLiteral("0"));
}

void SettingsValueTest::colours()
{
    QCOMPARE(rgbColor(0x80, 0x00, 0x00), 0x000080); // maroon
    QCOMPARE(rgbColor(0x00, 0x00, 0x80), 0x800000); // navy
    const qint32 teal = rgbColor(0x00, 0x80, 0x80);
    QCOMPARE(colorRed(teal), 0x00);
    QCOMPARE(colorGreen(teal), 0x80);
    QCOMPARE(colorBlue(teal), 0x80);
    QVERIFY(!isSystemColor(teal));

    const qint32 buttonFace = systemColor(SystemColorButtonFace);
    QCOMPARE(buttonFace, -16777201);
    QVERIFY(isSystemColor(buttonFace));
    QCOMPARE(systemColorIndex(buttonFace), 15);
}

QTEST_GUILESS_MAIN(SettingsValueTest)
#include "SettingsValueTest.moc"
