#include "games/BoardProperties.h"
#include "games/BoardLook.h"
#include "games/BoardThemes.h"
#include "settings/MainSettingsRecord.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(BoardProperties::Profile)

namespace {

// A look that differs from the stored one in every value.
BoardLook editedLook()
{
    BoardLook look;
    look.colours = {SettingsValue::rgbColor(1, 2, 3), SettingsValue::rgbColor(4, 5, 6),
                    SettingsValue::rgbColor(7, 8, 9), SettingsValue::rgbColor(10, 11, 12)};
    look.perspective = 0.65f;
    look.moveSpeed = 7;
    look.threeD = false;
    look.pieceSet = 4;
    look.clickMove = true;
    look.coordinates = true;
    return look;
}

} // namespace

class BoardPropertiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookComesFromTheProfileOfTheBoardsOpen_data();
    void lookComesFromTheProfileOfTheBoardsOpen();
    void onlyTheCurrentProfileReachesTheBoard_data();
    void onlyTheCurrentProfileReachesTheBoard();
    void perspectiveShowsAsPercent_data();
    void perspectiveShowsAsPercent();
    void themeFillsTheFourColours_data();
    void themeFillsTheFourColours();
    void classicIsTheColoursOfAFreshInstallation();
    void rememberedLookStaysAsItWas();
    void noPieceSetChosenLeavesTheStoredOne();
    void confirmedChoiceReachesTheRecord();
    void confirmedChoiceIsWrittenAndReadBack();
};

void BoardPropertiesTest::lookComesFromTheProfileOfTheBoardsOpen_data()
{
    QTest::addColumn<bool>("several");
    QTest::addColumn<bool>("threeD");
    QTest::addColumn<int>("pieceSet");
    QTest::newRow("one board takes the single-board values") << false << true << 0;
    QTest::newRow("several boards take the multiple-board values") << true << false << 1;
}

void BoardPropertiesTest::lookComesFromTheProfileOfTheBoardsOpen()
{
    QFETCH(bool, several);
    QFETCH(bool, threeD);
    QFETCH(int, pieceSet);
    MainSettingsRecord record;
    record.perspective = 0.4f;
    record.moveSpeed = 3;
    const BoardLook look = BoardLook::fromRecord(record, several);
    QCOMPARE(look.threeD, threeD);
    QCOMPARE(look.pieceSet, pieceSet);
    QCOMPARE(look.perspective, 0.4f);
    QCOMPARE(look.moveSpeed, 3);
    QCOMPARE(look.colours[BoardLook::LightSquares], record.wsColor);
    QCOMPARE(look.colours[BoardLook::BlackPieces], record.bpColor);
}

void BoardPropertiesTest::onlyTheCurrentProfileReachesTheBoard_data()
{
    QTest::addColumn<bool>("several");
    QTest::addColumn<BoardProperties::Profile>("changed");
    QTest::addColumn<bool>("boardChanges");
    QTest::newRow("one board open, single-board box")
        << false << BoardProperties::SingleBoard << true;
    QTest::newRow("one board open, multiple-board box changes nothing on screen")
        << false << BoardProperties::MultipleBoards << false;
    QTest::newRow("several open, multiple-board box")
        << true << BoardProperties::MultipleBoards << true;
    QTest::newRow("several open, single-board box changes nothing on screen")
        << true << BoardProperties::SingleBoard << false;
}

void BoardPropertiesTest::onlyTheCurrentProfileReachesTheBoard()
{
    QFETCH(bool, several);
    QFETCH(BoardProperties::Profile, changed);
    QFETCH(bool, boardChanges);
    MainSettingsRecord record;
    const BoardLook before = BoardLook::fromRecord(record, several);
    BoardProperties choice(record, several, before);
    const bool threeD = !choice.profile(changed).threeD;
    choice.setThreeD(changed, threeD);
    choice.setPieceSet(changed, 9);
    QCOMPARE(choice.profile(changed).threeD, threeD);
    QCOMPARE(choice.profile(changed).pieceSet, 9);
    QCOMPARE(choice.look().threeD, boardChanges ? threeD : before.threeD);
    QCOMPARE(choice.look().pieceSet, boardChanges ? 9 : before.pieceSet);
    QCOMPARE(choice.perspectiveEnabled(), choice.look().threeD);
}

void BoardPropertiesTest::perspectiveShowsAsPercent_data()
{
    QTest::addColumn<float>("perspective");
    QTest::addColumn<int>("percent");
    QTest::newRow("the built-in perspective") << 0.65f << 65;
    QTest::newRow("the stored default") << 0.55f << 55;
    QTest::newRow("flat") << 0.0f << 0;
    QTest::newRow("a value between steps rounds") << 0.333f << 33;
}

void BoardPropertiesTest::perspectiveShowsAsPercent()
{
    QFETCH(float, perspective);
    QFETCH(int, percent);
    QCOMPARE(BoardLook::perspectivePercent(perspective), percent);
}

void BoardPropertiesTest::themeFillsTheFourColours_data()
{
    QTest::addColumn<int>("theme");
    for (qsizetype i = 0; i < BoardThemes::all().size(); ++i)
        QTest::newRow(qPrintable(BoardThemes::all().at(i).name)) << int(i);
}

void BoardPropertiesTest::themeFillsTheFourColours()
{
    QFETCH(int, theme);
    BoardProperties choice(MainSettingsRecord{}, false, editedLook());
    choice.applyTheme(theme);
    const BoardLook::Colours& colours = BoardThemes::all().at(theme).colours;
    QCOMPARE(choice.look().colours, colours);
    QCOMPARE(BoardThemes::indexOf(colours), theme);
    // The rest of the look stays.
    BoardLook rest = choice.look();
    rest.colours = editedLook().colours;
    QCOMPARE(rest, editedLook());
}

void BoardPropertiesTest::classicIsTheColoursOfAFreshInstallation()
{
    const QList<BoardTheme>& themes = BoardThemes::all();
    QCOMPARE(themes.first().name, QStringLiteral("Classic"));
    QCOMPARE(BoardThemes::indexOf(BoardLook::coloursOf(MainSettingsRecord{})), 0);
    QCOMPARE(themes.first().colours[BoardLook::LightSquares],
             SettingsValue::rgbColor(224, 164, 164));
    QCOMPARE(themes.first().colours[BoardLook::DarkSquares],
             SettingsValue::rgbColor(143, 143, 143));
    QCOMPARE(BoardThemes::indexOf(editedLook().colours), -1);
    // Every theme is its own; a click on one must never look like another.
    for (qsizetype i = 0; i < themes.size(); ++i)
        QCOMPARE(BoardThemes::indexOf(themes.at(i).colours), int(i));
}

void BoardPropertiesTest::rememberedLookStaysAsItWas()
{
    BoardProperties choice(MainSettingsRecord{}, false, editedLook());
    choice.applyTheme(2);
    choice.setColour(BoardLook::DarkSquares, SettingsValue::rgbColor(0, 0, 0));
    choice.setPerspectivePercent(30);
    choice.setMoveSpeed(20);
    choice.setThreeD(BoardProperties::SingleBoard, true);
    choice.setPieceSet(BoardProperties::SingleBoard, 12);
    choice.setDrag(true);
    choice.setCoordinates(false);
    QCOMPARE(choice.remembered(), editedLook());
    QVERIFY(choice.look() != editedLook());
    QCOMPARE(choice.look().perspective, 0.30f);
    QCOMPARE(choice.look().clickMove, false);
    QCOMPARE(choice.look().colours[BoardLook::DarkSquares], SettingsValue::rgbColor(0, 0, 0));
}

void BoardPropertiesTest::noPieceSetChosenLeavesTheStoredOne()
{
    MainSettingsRecord record;
    record.pieceSetSingle = 5;
    BoardProperties choice(record, false, BoardLook::fromRecord(record, false));
    choice.setPieceSet(BoardProperties::SingleBoard, -1);
    QCOMPARE(choice.look().pieceSet, 5);
    choice.store(record);
    QCOMPARE(record.pieceSetSingle, 5);
}

void BoardPropertiesTest::confirmedChoiceReachesTheRecord()
{
    MainSettingsRecord record;
    BoardProperties choice(record, true, editedLook());
    choice.setMoveList(BoardProperties::MultipleBoards, true);
    choice.setMoveList(BoardProperties::SingleBoard, false);
    choice.setPieceSet(BoardProperties::MultipleBoards, 17);
    choice.setThreeD(BoardProperties::SingleBoard, false);
    choice.switches().manualPromotion = true;
    choice.switches().highlightLastMove = false;
    choice.switches().premoves = false;
    choice.store(record);

    QCOMPARE(BoardLook::coloursOf(record), editedLook().colours);
    QCOMPARE(record.perspective, 0.65f);
    QCOMPARE(record.moveSpeed, 7);
    QCOMPARE(record.clickMove, true);
    QCOMPARE(record.showCoordinates, true);
    QCOMPARE(record.showMoveListMulti, true);
    QCOMPARE(record.showMoveListSingle, false);
    QCOMPARE(record.pieceSetMulti, 17);
    QCOMPARE(record.pieceSetSingle, MainSettingsRecord{}.pieceSetSingle);
    QCOMPARE(record.board3DSingle, false);
    QCOMPARE(record.manualPromotion, true);
    QCOMPARE(record.highlightLastMove, false);
    QCOMPARE(record.premoves, false);
    QVERIFY(choice.moveListShown());
}

void BoardPropertiesTest::confirmedChoiceIsWrittenAndReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Default.ini"));
    SettingsFile file(path);
    file.writeString(QStringLiteral("Quodlin"), QStringLiteral("Hello"),
                     QStringLiteral("hi there"));

    MainSettingsRecord record;
    record.hello = QStringLiteral("not written by the dialog");
    BoardProperties choice(record, false, editedLook());
    choice.switches().premoves = false;
    choice.switches().manualPromotion = true;
    choice.store(record);
    record.saveBoardProperties(file);

    MainSettingsRecord readBack;
    readBack.load(SettingsFile(path), FontSpec{});
    QCOMPARE(BoardLook::fromRecord(readBack, false), BoardLook::fromRecord(record, false));
    QCOMPARE(readBack.premoves, false);
    QCOMPARE(readBack.manualPromotion, true);
    QCOMPARE(readBack.hello, QStringLiteral("hi there"));
    QCOMPARE(SettingsFile(path).readString(QStringLiteral("Board"), QStringLiteral("Perspective"),
                                           QString()),
             QStringLiteral("65"));
}

QTEST_GUILESS_MAIN(BoardPropertiesTest)
#include "BoardPropertiesTest.moc"
