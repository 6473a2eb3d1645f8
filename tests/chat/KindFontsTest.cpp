#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "settings/SettingsFile.h"

#include <QTemporaryDir>
#include <QTest>

class KindFontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesFontPerKindAndKey_data();
    void choosesFontPerKindAndKey();
    void builtInKindFonts();
    void customFontsLoadAndStore();
    void emptySectionGivesThePredefinedEntries();
};

void KindFontsTest::choosesFontPerKindAndKey_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fontName"); // "kind": the kind's own font

    QTest::newRow("tell from Quenby") << int(TextKind::Tell) << "QUENBY" << "Arial Black";
    QTest::newRow("lower-case key matches") << int(TextKind::Say) << "quenby" << "Arial Black";
    QTest::newRow("tell from Quenby(TM) keeps the Tell font")
        << int(TextKind::Tell) << "QUENBY(TM)" << "kind";
    QTest::newRow("channel tell in channel 4") << int(TextKind::ChannelTell) << "Anna(TM)(4)"
                                               << "Arial";
    QTest::newRow("channel without entry") << int(TextKind::ChannelTell) << "Anna(50)" << "kind";
    QTest::newRow("shout never custom") << int(TextKind::Shout) << "QUENBY" << "kind";
    QTest::newRow("c-shout never custom") << int(TextKind::CShout) << "QUENBY" << "kind";
    QTest::newRow("kibitz") << int(TextKind::Kibitz) << "QUENBY" << "Arial Black";
    QTest::newRow("normal line with a key") << int(TextKind::Normal) << "QUENBY" << "kind";
}

void KindFontsTest::choosesFontPerKindAndKey()
{
    QFETCH(int, kind);
    QFETCH(QString, key);
    QFETCH(QString, fontName);

    const CustomFontList custom;
    KindFonts fonts(custom);
    fonts[TextKind(kind)].name = QStringLiteral("kind");
    QCOMPARE(fonts.lineFont(TextKind(kind), key).name, fontName);
}

void KindFontsTest::builtInKindFonts()
{
    const CustomFontList custom;
    const KindFonts fonts(custom);
    QCOMPARE(fonts[TextKind::Normal], (FontSpec{"Courier New", 8, 0x000000, 0}));
    QCOMPARE(fonts[TextKind::Links], (FontSpec{"Courier New", 8, 0x800000, 4}));
    QCOMPARE(fonts[TextKind::Commands], (FontSpec{"Courier New", 8, 0x000000, 1}));
    QCOMPARE(fonts[TextKind::ChannelTell].color, 0x008000);
}

void KindFontsTest::customFontsLoadAndStore()
{
    QTemporaryDir dir;
    SettingsFile shared(dir.filePath("Tolvaris.ini"));
    shared.writeString(CustomFontList::Section, "0", "quenby | Arial Black|12|clRed|1");
    shared.writeString(CustomFontList::Section, "1", "(50)|Arial|10|$00112233|2");
    shared.writeString(CustomFontList::Section, "2", "broken|line");
    shared.writeString(CustomFontList::Section, "3", "(7)||Arial|9|255|0");

    CustomFontList list;
    list.load(shared);
    const QList<CustomFontList::Entry> expected{
        {"quenby", {"Arial Black", 12, 0x0000FF, 1}},
        {"(50)", {"Arial", 10, 0x112233, 2}},
        {"(7)", {"Arial", 9, 255, 0}}};
    QCOMPARE(list.entries(), expected);

    list.store(shared);
    QCOMPARE(shared.readString(CustomFontList::Section, "0", ""),
             QStringLiteral("quenby|Arial Black|12|clRed|1"));
    QCOMPARE(shared.readString(CustomFontList::Section, "1", ""),
             QStringLiteral("(50)|Arial|10|$00112233|2"));
    QVERIFY(!shared.keyExists(CustomFontList::Section, "3"));
    CustomFontList reloaded;
    reloaded.load(shared);
    QCOMPARE(reloaded.entries(), expected);
}

void KindFontsTest::emptySectionGivesThePredefinedEntries()
{
    QTemporaryDir dir;
    CustomFontList list;
    list.append({"X", {}});
    list.load(SettingsFile(dir.filePath("Tolvaris.ini")));
    QCOMPARE(list.entries().size(), 4);
    QCOMPARE(list.entries().at(0).key, QStringLiteral("QUENBY"));
    QCOMPARE(list.entries().at(0).font, (FontSpec{"Arial Black", 12, 0x0000FF, 1}));
    QCOMPARE(list.entries().at(3).key, QStringLiteral("(204)"));
    QCOMPARE(list.entries().at(3).font.color, 0x808000);
}

QTEST_GUILESS_MAIN(KindFontsTest)
#include "KindFontsTest.moc"
