#include "chat/TMouseActions.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TMouseActions::Run::Kind)

class TMouseActionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void expand_data();
    void expand();
    void choose_data();
    void choose();
    void captions_data();
    void captions();
    void missingKeysTakeTheLastDefault();
    void countIsHeldToTheMenus_data();
    void countIsHeldToTheMenus();
    void storeAndLoadKeepTheUsersEntries();

private:
    QString writeSettings(const QByteArray& text);
    QTemporaryDir m_dir;
};

void TMouseActionsTest::init()
{
    QVERIFY(m_dir.isValid());
}

QString TMouseActionsTest::writeSettings(const QByteArray& text)
{
    const QString path = m_dir.filePath(QStringLiteral("Default.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        qFatal("cannot write settings");
    return path;
}

void TMouseActionsTest::expand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");

    QTest::newRow("star replaced") << "Finger *" << "ANNA" << "Finger ANNA";
    QTest::newRow("every star replaced") << "Tell * hi *" << "ANNA" << "Tell ANNA hi ANNA";
    QTest::newRow("no star: the handle is appended") << "Observe" << "ANNA" << "Observe ANNA";
    QTest::newRow("an empty command sends nothing") << "" << "ANNA" << "";
    QTest::newRow("a caret in picked text does not add a command")
        << "Finger *" << "bob^quit" << "Finger bob";
    QTest::newRow("a line break in picked text does not add a command")
        << "Finger *" << "bob\nquit" << "Finger bob";
    QTest::newRow("titles after the handle are left out") << "Finger *" << "GuestXKQW(U)"
                                                          << "Finger GuestXKQW";
}

void TMouseActionsTest::expand()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    QCOMPARE(TMouseActions::expand(command, target), expected);
}

void TMouseActionsTest::choose_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<TMouseActions::Run::Kind>("kind");
    QTest::addColumn<QString>("command");

    using Kind = TMouseActions::Run::Kind;
    QTest::newRow("tell sends nothing") << 0 << Kind::Nothing << "";
    QTest::newRow("message sends nothing") << 1 << Kind::Nothing << "";
    QTest::newRow("match asks the match dialog") << 2 << Kind::AskMatch << "Match ANNA";
    QTest::newRow("finger") << 5 << Kind::Send << "Finger ANNA";
    QTest::newRow("salute") << 14 << Kind::Send << "I salutes ANNA.";
}

void TMouseActionsTest::choose()
{
    QFETCH(int, index);
    QFETCH(TMouseActions::Run::Kind, kind);
    QFETCH(QString, command);
    TMouseActions actions;
    const TMouseActions::Run run = actions.choose(index, QStringLiteral("ANNA"));
    QCOMPARE(run.kind, kind);
    QCOMPARE(run.command, command);
    QCOMPARE(actions.current(), index);
    const TMouseActions::Run again = actions.runCurrent(QStringLiteral("ANNA"));
    QCOMPARE(again.command, command);
}

void TMouseActionsTest::captions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("caption");

    QTest::newRow("no handle picked yet keeps the star") << 0 << "" << "&Tell *";
    QTest::newRow("the picked handle replaces the star") << 0 << "ANNA" << "&Tell ANNA";
    QTest::newRow("a label without a star stays") << 5 << "ANNA" << "&Finger";
}

void TMouseActionsTest::captions()
{
    QFETCH(int, index);
    QFETCH(QString, target);
    QFETCH(QString, caption);
    QCOMPARE(TMouseActions().caption(index, target), caption);
}

void TMouseActionsTest::missingKeysTakeTheLastDefault()
{
    TMouseActions actions;
    actions.load(SettingsFile(writeSettings("[Mouse Actions]\r\nCount=20\r\n")));
    QCOMPARE(actions.entries().size(), 23);
    QCOMPARE(actions.entries().at(15).Label, QStringLiteral("Goodbye"));
    QCOMPARE(actions.entries().at(22).Label, QStringLiteral("Goodbye"));
    QCOMPARE(actions.entries().at(22).Command, QStringLiteral("Tell * Goodbye."));
    QCOMPARE(actions.entries().at(3).Command, QStringLiteral("Observe *"));
}

void TMouseActionsTest::countIsHeldToTheMenus_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("entries");
    QTest::newRow("more than the menus show") << QByteArray("500") << 30;
    QTest::newRow("negative") << QByteArray("-4") << 3;
    QTest::newRow("not a number") << QByteArray("many") << 16;
}

void TMouseActionsTest::countIsHeldToTheMenus()
{
    QFETCH(QByteArray, count);
    QFETCH(int, entries);
    TMouseActions actions;
    actions.load(SettingsFile(writeSettings("[Mouse Actions]\r\nCount=" + count + "\r\n")));
    QCOMPARE(actions.entries().size(), entries);
}

void TMouseActionsTest::storeAndLoadKeepTheUsersEntries()
{
    SettingsFile settings(writeSettings(QByteArray()));
    TMouseActions actions;
    QList<TMouseAction> edited = actions.entries().mid(0, 4);
    edited.append({QStringLiteral("Kib"), QStringLiteral("Kibitz hi *")});
    actions.setEntries(edited);
    actions.store(settings);

    TMouseActions loaded;
    loaded.load(settings);
    QCOMPARE(loaded.entries(), actions.entries());
    QCOMPARE(settings.readInteger(TMouseActions::Section, QStringLiteral("Count"), 0), 2);
}

QTEST_GUILESS_MAIN(TMouseActionsTest)
#include "TMouseActionsTest.moc"
