#include "lists/VarsFields.h"
#include "lists/VarsReply.h"
#include "lists/VarsState.h"

#include <QTest>

namespace {

// The reply of the server in the captures (k_lists.A), plus the notes it adds.
const QList<QByteArray> CapturedReply{
    "Variable settings of alice:",
    "   time=2      inc=12     private=0  jprivate=0  Lang=English",
    "   rated=1     ropen=1    open=1     simopen=0",
    "   shout=1     cshout=1   kib=1      tell=1      notifiedby=0",
    "   pin=0       gin=0      style=12   flip=0      kiblevel=0",
    "   highlight=0 bell=0     auto=0     mailmess=0  pgn=0",
    "   width=79    height=24 ",
    "   Prompt: fics% ",
    "",
    " f1: blitz",
    " f2: time>=3",
    "",
    "Formula: !wild & rated",
};

int field(const char* name)
{
    return VarsFields::indexOf(QLatin1String(name));
}

} // namespace

class VarsStateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void capturedReply();
    void indexValues_data();
    void indexValues();
    void continuationLines();
    void titleHandleMustBeAHandle();
    void helpTexts();
    void setCommandsInServerOrder();
    void sendingClearsTheMarks();
    void fillClearsMarksOfFieldsItSets();
    void readOnlyFieldIsNeverMarked();
};

void VarsStateTest::capturedReply()
{
    const VarsReply reply = VarsReply::parse(CapturedReply);
    QCOMPARE(reply.handle, QStringLiteral("alice"));
    VarsState state;
    state.fill(reply);
    QCOMPARE(state.value(field("time")), QStringLiteral("2"));
    QCOMPARE(state.value(field("inc")), QStringLiteral("12"));
    QCOMPARE(state.choice(field("open")), 1);
    QCOMPARE(state.choice(field("private")), 0);
    QCOMPARE(state.value(field("Lang")), QStringLiteral("English"));
    QCOMPARE(state.value(field("f1")), QStringLiteral("blitz"));
    QCOMPARE(state.value(field("f2")), QStringLiteral("time>=3"));
    QCOMPARE(state.value(field("Formula")), QStringLiteral("!wild & rated"));
    QCOMPARE(state.choice(field("kibitz")), -1); // the server here spells it "kib"
    QVERIFY(state.takeSetCommands().isEmpty());
}

void VarsStateTest::indexValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("choice");
    QTest::newRow("unobserve 3") << QByteArray("unobserve=3") << "unobserve" << 3;
    QTest::newRow("tolerance 1") << QByteArray("tolerance=1") << "tolerance" << 1;
    QTest::newRow("beyond the last choice") << QByteArray("shout=2") << "shout" << -1;
    QTest::newRow("not a number") << QByteArray("shout=yes") << "shout" << -1;
    QTest::newRow("too big to be a number")
        << QByteArray("shout=99999999999999999999") << "shout" << -1;
    QTest::newRow("no value") << QByteArray("shout=") << "shout" << -1;
}

void VarsStateTest::indexValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    VarsState state;
    state.fill(VarsReply::parse({line}));
    QTEST(state.choice(VarsFields::indexOf(name)), "choice");
}

void VarsStateTest::continuationLines()
{
    const VarsReply reply =
        VarsReply::parse({"Formula: !computer & standard", "\\ & rated", "\\"});
    QCOMPARE(reply.values.value(0).second, QStringLiteral("!computer & standard & rated"));
    // A continuation with nothing before it starts a line of its own.
    QCOMPARE(VarsReply::joinContinuations({"\\time=5"}), QList<QByteArray>{"time=5"});
}

void VarsStateTest::titleHandleMustBeAHandle()
{
    QCOMPARE(VarsReply::parse({"Variable settings of"}).handle, QString());
    QCOMPARE(VarsReply::parse({"Variable settings of a^b:"}).handle, QString());
    QCOMPARE(VarsReply::parse({"Variable settings of Quenby:"}).handle, QStringLiteral("Quenby"));
}

void VarsStateTest::helpTexts()
{
    for (const VarsFields::Field& each : VarsFields::all()) {
        if (each.name == QLatin1String("bugopen")) {
            QVERIFY(each.helpMarker.isEmpty());
            continue;
        }
        QVERIFY2(!VarsFields::helpFor(each.helpMarker).isEmpty(), qPrintable(each.name));
    }
    QVERIFY(VarsFields::helpFor(QStringLiteral("<<time>>,TIME")).contains(u"starting time"));
}

void VarsStateTest::setCommandsInServerOrder()
{
    VarsState state;
    state.fill(VarsReply::parse(CapturedReply));
    state.userChange(field("time"), QStringLiteral("5"));
    state.userChange(field("open"), QStringLiteral("1"));
    state.userChange(field("f3"), QStringLiteral("lightning"));
    QCOMPARE(state.takeSetCommands(),
             (QStringList{"set f3 lightning", "set open 1", "set time 5"}));
}

void VarsStateTest::sendingClearsTheMarks()
{
    VarsState state;
    state.userChange(field("open"), QStringLiteral("1"));
    QCOMPARE(state.takeSetCommands(), QStringList{"set open 1"});
    QVERIFY(!state.isMarked(field("open")));
    QVERIFY(state.takeSetCommands().isEmpty());
}

void VarsStateTest::fillClearsMarksOfFieldsItSets()
{
    VarsState state;
    state.userChange(field("open"), QStringLiteral("0"));
    state.userChange(field("shout"), QStringLiteral("0"));
    const QList<int> set = state.fill(VarsReply::parse({"open=1"}));
    QCOMPARE(set, QList<int>{field("open")});
    QCOMPARE(state.takeSetCommands(), QStringList{"set shout 0"});
}

void VarsStateTest::readOnlyFieldIsNeverMarked()
{
    VarsState state;
    state.userChange(field("ptime"), QStringLiteral("1"));
    QVERIFY(state.takeSetCommands().isEmpty());
}

QTEST_GUILESS_MAIN(VarsStateTest)
#include "VarsStateTest.moc"
