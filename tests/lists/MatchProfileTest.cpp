#include "lists/MatchProfile.h"
#include "settings/SettingsFile.h"

#include <QTemporaryDir>
#include <QTest>

class MatchProfileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsText_data();
    void optionsText();
    void standardCaption_data();
    void standardCaption();
    void fieldReading_data();
    void fieldReading();
    void typedCharacters_data();
    void typedCharacters();
    void storedAndLoaded();
    void missingSectionGivesDefaults();
    void badValuesFallBack();
};

void MatchProfileTest::optionsText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("inc");
    QTest::addColumn<int>("rated");
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("additional");
    QTest::addColumn<QString>("text");
    QTest::newRow("defaults end in two blanks") << 0 << 2 << 12 << 0 << 0 << "" << "2 12 r  ";
    QTest::newRow("other variant unrated black with words")
        << 3 << 3 << 0 << 1 << 2 << "private" << "Wild 5 3 0 u b  private";
    QTest::newRow("suicide as white") << 1 << 5 << 0 << 0 << 1 << "" << "Suicide 5 0 r w  ";
    QTest::newRow("bughouse") << 2 << 2 << 12 << 0 << 0 << "" << "Bughouse 2 12 r  ";
}

void MatchProfileTest::optionsText()
{
    MatchProfile profile;
    QFETCH(int, type);
    QFETCH(int, time);
    QFETCH(int, inc);
    QFETCH(int, rated);
    QFETCH(int, color);
    QFETCH(QString, additional);
    profile.type = type;
    profile.time = time;
    profile.inc = inc;
    profile.rated = rated;
    profile.color = color;
    profile.additional = additional;
    QTEST(profile.optionsText(QStringLiteral("Wild 5")), "text");
}

void MatchProfileTest::standardCaption_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("inc");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1 0 lightning") << 1 << 0 << "&Lightning";
    QTest::newRow("2 1 is three minutes: blitz") << 2 << 1 << "Blit&z";
    QTest::newRow("2 12 blitz") << 2 << 12 << "Blit&z";
    QTest::newRow("15 0 standard") << 15 << 0 << "&Standard";
    QTest::newRow("10 8 rounds to fifteen: standard") << 10 << 8 << "&Standard";
}

void MatchProfileTest::standardCaption()
{
    QFETCH(int, time);
    QFETCH(int, inc);
    QTEST(MatchTiming::standardCaption(time, inc), "caption");
}

void MatchProfileTest::fieldReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("exact");
    QTest::newRow("plain number") << "7" << 7 << true;
    QTest::newRow("leading zero") << "07" << 7 << false;
    QTest::newRow("empty reads zero") << "" << 0 << false;
    QTest::newRow("above the limit") << "5000" << 1000 << false;
    QTest::newRow("letters after digits") << "12ab" << 12 << false;
    QTest::newRow("hexadecimal") << "0x10" << 16 << false;
    QTest::newRow("negative clamps to zero") << "-5" << 0 << false;
    QTest::newRow("huge number does not overflow") << "99999999999999999999999" << 1000 << false;
}

void MatchProfileTest::fieldReading()
{
    QFETCH(QString, text);
    const MatchTiming::FieldReading reading = MatchTiming::readField(text);
    QTEST(reading.value, "value");
    QTEST(reading.exact, "exact");
}

void MatchProfileTest::typedCharacters_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a digit") << QChar(u'7') << false;
    QTest::newRow("zero") << QChar(u'0') << false;
    QTest::newRow("a letter") << QChar(u'a') << true;
    QTest::newRow("a blank") << QChar(u' ') << true;
    QTest::newRow("a minus sign") << QChar(u'-') << true;
    QTest::newRow("an accented letter") << QChar(u'\u00e9') << true;
    QTest::newRow("a backspace is an editing key") << QChar(u'\b') << false;
    QTest::newRow("a carriage return is an editing key") << QChar(u'\r') << false;
}

void MatchProfileTest::typedCharacters()
{
    QFETCH(QChar, typed);
    QTEST(MatchTiming::refusesTyped(typed), "refused");
}

void MatchProfileTest::storedAndLoaded()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    MatchProfile profile = MatchProfile::defaults(4);
    profile.type = MatchProfile::Other;
    profile.wild = QStringLiteral("Wild 5");
    profile.name = QStringLiteral("Fast");
    profile.time = 1;
    profile.store(file, 4);
    QCOMPARE(file.readString("Match4", "Wild", ""), QStringLiteral("Wild 5"));

    MatchProfile loaded;
    loaded.load(file, 4);
    QCOMPARE(loaded.type, int(MatchProfile::Other));
    QCOMPARE(loaded.name, QStringLiteral("Fast"));
    QCOMPARE(loaded.time, 1);
    QCOMPARE(loaded.inc, 12);
}

void MatchProfileTest::missingSectionGivesDefaults()
{
    QTemporaryDir dir;
    MatchProfile loaded;
    loaded.load(SettingsFile(dir.filePath("Default.ini")), 0);
    QCOMPARE(loaded.name, QStringLiteral("Profile &1"));
    QCOMPARE(loaded.optionsText(QString()), QStringLiteral("2 12 r  "));
}

void MatchProfileTest::badValuesFallBack()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    file.writeInteger("Match2", "Type", 9);
    file.writeInteger("Match2", "Color", -1);
    file.writeInteger("Match2", "Time", 123456);
    MatchProfile loaded;
    loaded.load(file, 2);
    QCOMPARE(loaded.type, int(MatchProfile::Standard));
    QCOMPARE(loaded.color, int(MatchProfile::Random));
    QCOMPARE(loaded.time, MatchProfile::MaxMinutes);
}

QTEST_GUILESS_MAIN(MatchProfileTest)
#include "MatchProfileTest.moc"
