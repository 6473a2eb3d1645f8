// Keeps the floors of the source tree: an include goes to its own folder or down.
//
//   settings  <  net  <  session  <  games, chat, lists (side by side)  <  shell
//   widgets serves the ui folders and stands on settings alone.
//
// A "ui" folder stands on its own subsystem and on widgets; a subsystem's window-less code
// never includes its ui folder.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

int floorOf(const QString& subsystem)
{
    static const QHash<QString, int> floors{
        {"settings", 0}, {"net", 1}, {"session", 2}, {"games", 3},
        {"chat", 3},     {"lists", 3}, {"shell", 4}};
    return floors.value(subsystem, -1);
}

// from, to: folders below src ("session", "games/ui", "widgets").
bool includeAllowed(const QString& from, const QString& to)
{
    if (from == to)
        return true;
    const QString fromSubsystem = from.section(u'/', 0, 0);
    const QString toSubsystem = to.section(u'/', 0, 0);
    const bool fromUi = from.endsWith(QLatin1String("/ui"));
    const bool toUi = to.endsWith(QLatin1String("/ui"));

    if (fromSubsystem == QLatin1String("widgets"))
        return to == QLatin1String("settings");
    if (toSubsystem == QLatin1String("widgets"))
        return fromUi || fromSubsystem == QLatin1String("shell");
    if (fromSubsystem == QLatin1String("shell"))
        return true;
    if (toUi && !(fromUi && fromSubsystem == toSubsystem))
        return false;
    if (fromSubsystem == toSubsystem)
        return true;
    const int fromFloor = floorOf(fromSubsystem);
    const int toFloor = floorOf(toSubsystem);
    return fromFloor >= 0 && toFloor >= 0 && toFloor < fromFloor;
}

} // namespace

class IncludeFloorsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rule_data();
    void rule();
    void everySourceKeepsTheFloors();
};

void IncludeFloorsTest::rule_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("own folder") << "session" << "session" << true;
    QTest::newRow("session stands on net") << "session" << "net" << true;
    QTest::newRow("net stands on settings") << "net" << "settings" << true;
    QTest::newRow("settings does not reach up to net") << "settings" << "net" << false;
    QTest::newRow("net does not reach up to session") << "net" << "session" << false;
    QTest::newRow("games stands on session") << "games" << "session" << true;
    QTest::newRow("chat does not include lists") << "chat" << "lists" << false;
    QTest::newRow("lists does not include games") << "lists" << "games" << false;
    QTest::newRow("core code does not include its own ui") << "games" << "games/ui" << false;
    QTest::newRow("a ui folder stands on its subsystem") << "games/ui" << "games" << true;
    QTest::newRow("a ui folder stands on lower floors") << "chat/ui" << "session" << true;
    QTest::newRow("a ui folder does not include another's ui") << "lists/ui" << "session/ui"
                                                               << false;
    QTest::newRow("a ui folder does not include a sibling subsystem") << "chat/ui" << "games"
                                                                      << false;
    QTest::newRow("a ui folder uses the shared widgets") << "session/ui" << "widgets" << true;
    QTest::newRow("core code does not use widgets") << "session" << "widgets" << false;
    QTest::newRow("widgets stand on settings") << "widgets" << "settings" << true;
    QTest::newRow("widgets do not include session") << "widgets" << "session" << false;
    QTest::newRow("nothing includes the shell") << "games/ui" << "shell" << false;
    QTest::newRow("the shell includes everything") << "shell" << "games/ui" << true;
}

void IncludeFloorsTest::rule()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, allowed);
    QCOMPARE(includeAllowed(from, to), allowed);
}

void IncludeFloorsTest::everySourceKeepsTheFloors()
{
    const QString srcDir = QStringLiteral(TOLVARIS_SOURCE_DIR "/src");
    static const QRegularExpression includeLine(
        QStringLiteral(R"(^\s*#\s*include\s*"([a-z]+(?:/ui)?)/[^/"]+")"),
        QRegularExpression::MultilineOption);

    QStringList refused;
    int filesRead = 0;
    QDirIterator files(srcDir, {"*.h", "*.cpp", "*.h.in"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(srcDir).relativeFilePath(path);
        const QString from = relative.section(u'/', 0, -2);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        ++filesRead;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = includeLine.globalMatch(text); it.hasNext();) {
            const QString to = it.next().captured(1);
            if (!includeAllowed(from, to))
                refused << relative + QLatin1String(" includes ") + to;
        }
    }
    QVERIFY2(filesRead > 100, "the source tree was not found");
    QVERIFY2(refused.isEmpty(), qPrintable(refused.join(u'\n')));
}

QTEST_GUILESS_MAIN(IncludeFloorsTest)
#include "IncludeFloorsTest.moc"
