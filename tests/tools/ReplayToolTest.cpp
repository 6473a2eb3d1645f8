#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// Runs the real tolvaris-replay executable over the server captures.
class ReplayToolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyCaptureReplays_data();
    void everyCaptureReplays();
    void chunkSizeChangesOnlyWrappedLines_data();
    void chunkSizeChangesOnlyWrappedLines();
    void blockRepliesComeAfterTheirChunksText();
    void loginStepsAnswerThePrompts_data();
    void loginStepsAnswerThePrompts();
    void chatEventsNameSpeakerAndOtherWord_data();
    void chatEventsNameSpeakerAndOtherWord();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();

private:
    QList<QJsonObject> replay(const QStringList& arguments, const QByteArray& input = {});
    static QStringList captures();

    QString m_replay;
};

void ReplayToolTest::initTestCase()
{
    m_replay = qEnvironmentVariable("TOLVARIS_BIN_DIR") + QStringLiteral("/tolvaris-replay");
    QVERIFY2(QFile::exists(m_replay), qPrintable(m_replay));
    QVERIFY2(!captures().isEmpty(), "no server captures found");
}

QStringList ReplayToolTest::captures()
{
    const QDir dir(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics"));
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("*.raw")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

QList<QJsonObject> ReplayToolTest::replay(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(m_replay, arguments);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning() << "replay failed:" << arguments << process.readAllStandardError();
        return {};
    }
    QList<QJsonObject> events;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            qWarning() << "not a JSON object:" << line;
            return {};
        }
        events.append(document.object());
    }
    return events;
}

void ReplayToolTest::everyCaptureReplays_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : captures())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

// Every line of a capture comes out as a valid event, and no raw telnet or
// block bytes leak into the terminal.
void ReplayToolTest::everyCaptureReplays()
{
    QFETCH(QString, file);
    const QList<QJsonObject> events = replay({file});
    QVERIFY(!events.isEmpty());
    for (const QJsonObject& event : events) {
        const QString text = event.value(QStringLiteral("text")).toString();
        QVERIFY2(!text.contains(QChar(0xff)), qPrintable(text));
        for (const QChar c : text)
            QVERIFY2(c.unicode() >= 32, qPrintable(text));
    }
}

void ReplayToolTest::chunkSizeChangesOnlyWrappedLines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("chunk");
    for (const QString& file : captures()) {
        for (const int chunk : {1, 7, 4096})
            QTest::addRow("%s in chunks of %d", qPrintable(QFileInfo(file).fileName()), chunk)
                << file << chunk;
    }
}

namespace {

// What the user sees and what the boards get, with continuation lines (a wrap
// whose break fell between two chunks) joined back to the line before them.
QStringList shownText(const QList<QJsonObject>& events)
{
    QStringList shown;
    QString lastType;
    for (const QJsonObject& event : events) {
        const QString type = event.value(QStringLiteral("ev")).toString();
        if (type != QLatin1String("line") && type != QLatin1String("captured")
            && type != QLatin1String("suppressed") && type != QLatin1String("board"))
            continue;
        QString text = event.value(QStringLiteral("text")).toString();
        if (type == QLatin1String("board"))
            text = event.value(QStringLiteral("call")).toString() + QLatin1Char(' ') + text;
        if (type == lastType && type != QLatin1String("board") && text.startsWith(QLatin1Char('\\'))
            && !shown.isEmpty()) {
            qsizetype skip = 0;
            while (skip < text.size() && (text[skip] == QLatin1Char('\\') || text[skip] == QLatin1Char(' ')))
                ++skip;
            QString& previous = shown.last();
            if (!previous.endsWith(QLatin1Char(' ')))
                previous += QLatin1Char(' ');
            previous += text.mid(skip);
            continue;
        }
        shown.append(type + QLatin1Char(' ') + text);
        lastType = type;
    }
    return shown;
}

} // namespace

void ReplayToolTest::chunkSizeChangesOnlyWrappedLines()
{
    QFETCH(QString, file);
    QFETCH(int, chunk);
    const QStringList whole = shownText(replay({QStringLiteral("--ready"), file}));
    QVERIFY(!whole.isEmpty());
    const QStringList chunked = shownText(
        replay({QStringLiteral("--ready"), QStringLiteral("--chunk"), QString::number(chunk), file}));
    QCOMPARE(chunked, whole);
}

void ReplayToolTest::blockRepliesComeAfterTheirChunksText()
{
    const QByteArray input = "first\n\r\x15" "100\x16" "51\x16" "reply\n\r\x17" "second\n\r";
    const QList<QJsonObject> whole = replay({QStringLiteral("--ready"), QStringLiteral("-")}, input);
    QStringList order;
    for (const QJsonObject& event : whole)
        order << event.value(QStringLiteral("ev")).toString() + QLatin1Char(':')
                     + event.value(QStringLiteral("text")).toString();
    QCOMPARE(order, (QStringList{"line:first", "line:second", "reply:reply\n\r ", "line:reply"}));

    // Cut after the reply: the reply now precedes the text of the next chunk.
    const QList<QJsonObject> chunked =
        replay({QStringLiteral("--ready"), QStringLiteral("--chunk"), QString::number(input.indexOf("second")),
                QStringLiteral("-")},
               input);
    order.clear();
    for (const QJsonObject& event : chunked)
        order << event.value(QStringLiteral("ev")).toString() + QLatin1Char(':')
                     + event.value(QStringLiteral("text")).toString();
    // The reply's end character became a space, which starts the next line.
    QCOMPARE(order, (QStringList{"line:first", "reply:reply\n\r ", "line:reply", "line: second"}));
}

void ReplayToolTest::loginStepsAnswerThePrompts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<QStringList>("firstSent");
    const QString dir = QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/");
    QTest::newRow("guest login, FICS set-up")
        << dir + "a1_guest_login.G.raw" << "fics"
        << QStringList{"Tol*", "", "Set style 12", "Set highlight 0", "Set autoflag 1",
                       "Set ptime 0", "iSet gameinfo 1", "Set interface Tolvaris 2.0 Quarndell"};
    QTest::newRow("registered name, the password is never shown")
        << dir + "a3_registered_login.A.raw" << "icc"
        << QStringList{"Tol*", "********", "Set style 12", "Set highlight 0", "Set autoflag 1",
                       "Set prompt 1", "Set interface Tolvaris 2.0 Quarndell"};
}

// Without --ready the real login steps run on the capture.
void ReplayToolTest::loginStepsAnswerThePrompts()
{
    QFETCH(QString, file);
    QFETCH(QString, protocol);
    QFETCH(QStringList, firstSent);
    QStringList sent;
    for (const QJsonObject& event : replay({QStringLiteral("--protocol"), protocol, file})) {
        if (event.value(QStringLiteral("ev")).toString() == QLatin1String("send"))
            sent << event.value(QStringLiteral("text")).toString();
    }
    QVERIFY2(sent.size() >= firstSent.size(), qPrintable(sent.join(QLatin1Char('|'))));
    for (qsizetype i = 0; i < firstSent.size(); ++i) {
        QVERIFY2(QRegularExpression::fromWildcard(firstSent[i]).match(sent[i]).hasMatch(),
                 qPrintable(QStringLiteral("\"%1\" is not \"%2\"").arg(sent[i], firstSent[i])));
    }
}

void ReplayToolTest::chatEventsNameSpeakerAndOtherWord_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("speaker");
    QTest::addColumn<QString>("other");
    QTest::newRow("channel tell to the chat windows")
        << "channel" << "alice(50): hello channel fifty" << "ALICE(50):" << "HELLO";
    QTest::newRow("emote to the filtered windows, speaker second")
        << "fanout" << "--> alice waves" << "ALICE" << "-->";
    QTest::newRow("emote to the main chat window, speaker second")
        << "direct" << "--> alice waves" << "ALICE" << "-->";
}

void ReplayToolTest::chatEventsNameSpeakerAndOtherWord()
{
    QFETCH(QString, route);
    QFETCH(QString, text);
    QFETCH(QString, speaker);
    QFETCH(QString, other);
    const QString capture = QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/h_chat.B.raw");
    QStringList words;
    for (const QJsonObject& event : replay({QStringLiteral("--ready"), capture})) {
        if (event.value(QStringLiteral("ev")).toString() == QLatin1String("chat") &&
            event.value(QStringLiteral("route")).toString() == route &&
            event.value(QStringLiteral("text")).toString() == text)
            words << event.value(QStringLiteral("speaker")).toString()
                  << event.value(QStringLiteral("other")).toString();
    }
    QCOMPARE(words, (QStringList{speaker, other}));
}

void ReplayToolTest::badArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("zero chunk") << QStringList{"--chunk", "0", "-"};
    QTest::newRow("unknown protocol") << QStringList{"--protocol", "telnet", "-"};
    QTest::newRow("missing file") << QStringList{"/nonexistent/capture.raw"};
    QTest::newRow("no file") << QStringList{};
}

void ReplayToolTest::badArgumentsAreRefused()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(m_replay, arguments);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(!process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(ReplayToolTest)
#include "ReplayToolTest.moc"
