#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"
#include "chat/ui/TerminalView.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QSignalSpy>
#include <QUrl>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

class TerminalViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void linesTakeTheFontOfTheirKindOrSpeaker_data();
    void linesTakeTheFontOfTheirKindOrSpeaker();
    void linkGetsTheLinksFont();
    void partialLineStaysOpen();
    void selectionSurvivesNewLines();
    void scrollLockKeepsTheView();
    void followsTheEndWhenUnlocked();
    void upkeepCutsTheOldestLines();
    void wordPickAndSelect();
    void leftClickOpensALinkOrPicksAWord_data();
    void leftClickOpensALinkOrPicksAWord();
    void rightClickPicksAndAsksForTheMenu();

public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url.toString()); }

private:
    void fill(int lines);
    QPoint pointOf(int position) const;
    QStringList m_opened;
    QTextCharFormat formatAt(int position) const;

    CustomFontList m_custom;
    std::unique_ptr<KindFonts> m_fonts;
    std::unique_ptr<ScrollLock> m_lock;
    std::unique_ptr<TerminalView> m_view;
};

void TerminalViewTest::init()
{
    m_fonts = std::make_unique<KindFonts>(m_custom);
    m_lock = std::make_unique<ScrollLock>();
    m_view = std::make_unique<TerminalView>(*m_fonts, *m_lock);
    m_view->resize(400, 200);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TerminalViewTest::cleanup()
{
    m_view.reset();
}

void TerminalViewTest::fill(int lines)
{
    for (int i = 0; i < lines; ++i)
        m_view->appendToTerminal("line " + QByteArray::number(i) + "\r\n", TextKind::Normal, "");
}

QTextCharFormat TerminalViewTest::formatAt(int position) const
{
    QTextCursor cursor(m_view->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void TerminalViewTest::linesTakeTheFontOfTheirKindOrSpeaker_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("color");

    QTest::newRow("tell in the Tell font")
        << QByteArray("Bob tells you: hi\r\n") << int(TextKind::Tell) << QByteArray("BOB")
        << "Courier New" << QColor(Qt::red);
    QTest::newRow("tell from Quenby in its custom font")
        << QByteArray("Quenby tells you: hi\r\n") << int(TextKind::Tell)
        << QByteArray("QUENBY") << "Arial Black" << QColor(Qt::red);
    QTest::newRow("channel tell in the font of channel 4")
        << QByteArray("Anna(TM)(4): hi\r\n") << int(TextKind::ChannelTell)
        << QByteArray("Anna(TM)(4)") << "Arial" << QColor(0xFF, 0x00, 0xFF);
    QTest::newRow("channel tell without entry in green")
        << QByteArray("Anna(50): hi\r\n") << int(TextKind::ChannelTell)
        << QByteArray("Anna(50)") << "Courier New" << QColor(0x00, 0x80, 0x00);
    QTest::newRow("shout never custom")
        << QByteArray("Quenby shouts: hi\r\n") << int(TextKind::Shout) << QByteArray("QUENBY")
        << "Courier New" << QColor(0x00, 0x00, 0x80);
}

void TerminalViewTest::linesTakeTheFontOfTheirKindOrSpeaker()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(QByteArray, key);
    QFETCH(QString, family);
    QFETCH(QColor, color);

    m_view->appendToTerminal(line, TextKind(kind), key);
    QCOMPARE(m_view->document()->firstBlock().text(),
             QString::fromLatin1(line.chopped(2)));
    const QTextCharFormat format = formatAt(0);
    QCOMPARE(format.fontFamilies().toStringList().value(0), family);
    QCOMPARE(format.foreground().color(), color);
}

void TerminalViewTest::linkGetsTheLinksFont()
{
    m_view->appendToTerminal("see www.freechess.org now\r\n", TextKind::Normal, "");
    QVERIFY(!formatAt(0).fontUnderline());
    QVERIFY(formatAt(4).fontUnderline());
    QVERIFY(formatAt(20).fontUnderline());
    QVERIFY(!formatAt(21).fontUnderline());
    QCOMPARE(formatAt(4).foreground().color(), QColor(0x00, 0x00, 0x80));
}

void TerminalViewTest::partialLineStaysOpen()
{
    m_view->appendToTerminal("login: ", TextKind::Normal, "");
    m_view->appendToTerminal("guest\r\n", TextKind::Normal, "");
    QCOMPARE(m_view->document()->firstBlock().text(), QStringLiteral("login: guest"));
    QCOMPARE(m_view->lineCount(), 1);
}

void TerminalViewTest::selectionSurvivesNewLines()
{
    fill(50);
    QTextCursor selection(m_view->document());
    selection.setPosition(12);
    selection.setPosition(30, QTextCursor::KeepAnchor);
    m_view->setTextCursor(selection);
    const QString selected = m_view->textCursor().selectedText();
    const int scroll = m_view->verticalScrollBar()->value();

    fill(50);
    QCOMPARE(m_view->textCursor().selectionStart(), 12);
    QCOMPARE(m_view->textCursor().selectedText(), selected);
    QCOMPARE(m_view->verticalScrollBar()->value(), scroll);
}

void TerminalViewTest::scrollLockKeepsTheView()
{
    fill(100);
    m_view->verticalScrollBar()->setValue(10);
    m_lock->setOn(true);
    fill(100);
    QCOMPARE(m_view->verticalScrollBar()->value(), 10);
    QCOMPARE(m_view->lineCount(), 200);

    m_lock->setOn(false);
    fill(1);
    QCOMPARE(m_view->verticalScrollBar()->value(), m_view->verticalScrollBar()->maximum());
}

void TerminalViewTest::followsTheEndWhenUnlocked()
{
    fill(100);
    QVERIFY(m_view->verticalScrollBar()->maximum() > 0);
    QCOMPARE(m_view->verticalScrollBar()->value(), m_view->verticalScrollBar()->maximum());
}

void TerminalViewTest::upkeepCutsTheOldestLines()
{
    fill(1000);
    m_view->terminalUpkeep();
    QCOMPARE(m_view->lineCount(), 1000);

    fill(1);
    QTextCursor selection(m_view->document());
    const int lineStart = m_view->document()->findBlockByNumber(500).position();
    selection.setPosition(lineStart);
    selection.setPosition(lineStart + 8, QTextCursor::KeepAnchor);
    m_view->setTextCursor(selection);
    auto* input = new QLineEdit(m_view.get());
    m_view->setFocusTarget(input);

    m_view->terminalUpkeep();
    QCOMPARE(m_view->lineCount(), 701);
    QCOMPARE(m_view->document()->firstBlock().text(), QStringLiteral("line 300"));
    QCOMPARE(m_view->textCursor().selectedText(), QStringLiteral("line 500"));
}

void TerminalViewTest::wordPickAndSelect()
{
    m_view->appendToTerminal("Anna(TM)(50): hi there\r\n", TextKind::Normal, "");
    QTextCursor caret(m_view->document());
    caret.setPosition(2);
    m_view->setTextCursor(caret);
    QCOMPARE(m_view->PickWordAt(), QStringLiteral("Anna"));
    QVERIFY(!m_view->OpenLinkAt());
    QVERIFY(m_view->SelectWordAt());
    QCOMPARE(m_view->textCursor().selectedText(), QStringLiteral("Anna"));

    caret.setPosition(12); // the ":" after "(50)"
    m_view->setTextCursor(caret);
    QCOMPARE(m_view->PickWordAt(), QString());
}

QPoint TerminalViewTest::pointOf(int position) const
{
    QTextCursor cursor(m_view->document());
    cursor.setPosition(position);
    return m_view->cursorRect(cursor).center() + QPoint(2, 0);
}

void TerminalViewTest::leftClickOpensALinkOrPicksAWord_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("picked");

    QTest::newRow("link without double slash")
        << QByteArray("go HTTP:example.org/x.") << 6 << "http://example.org/x" << "";
    QTest::newRow("mail address")
        << QByteArray("write to anna@example.org.") << 12 << "mailto:anna@example.org" << "";
    QTest::newRow("too short for a link: the word is picked")
        << QByteArray("at a.com ok") << 3 << "" << "a";
    QTest::newRow("a handle") << QByteArray("Anna(TM)(50): hi") << 1 << "" << "Anna";
    QTest::newRow("a file address is not opened")
        << QByteArray("see file:///etc/x.htm") << 8 << "" << "";
}

void TerminalViewTest::leftClickOpensALinkOrPicksAWord()
{
    QFETCH(QByteArray, line);
    QFETCH(int, column);
    QFETCH(QString, opened);
    QFETCH(QString, picked);

    for (const char* scheme : {"http", "mailto", "file"})
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    m_opened.clear();
    QSignalSpy picks(m_view.get(), &TerminalPane::wordPicked);
    m_view->appendToTerminal(line + "\r\n", TextKind::Normal, "");
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, pointOf(column));
    for (const char* scheme : {"http", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(m_opened.value(0).toLower(), opened.toLower());
    QCOMPARE(picks.isEmpty() ? QString() : picks.last().at(0).toString(), picked);
}

void TerminalViewTest::rightClickPicksAndAsksForTheMenu()
{
    m_view->appendToTerminal("bob tells you: hello alice\r\n", TextKind::Tell, "BOB");
    QSignalSpy menus(m_view.get(), &TerminalPane::menuRequested);
    QSignalSpy picks(m_view.get(), &TerminalPane::wordPicked);

    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, pointOf(22));
    QCOMPARE(menus.count(), 1);
    QCOMPARE(picks.last().at(0).toString(), QStringLiteral("alice"));

    // With a selection the caret stays and the word at the selection's start is picked.
    QTextCursor selection(m_view->document());
    selection.setPosition(15);
    selection.setPosition(20, QTextCursor::KeepAnchor);
    m_view->setTextCursor(selection);
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, pointOf(2));
    QCOMPARE(menus.count(), 2);
    QCOMPARE(picks.last().at(0).toString(), QStringLiteral("hello"));
    QCOMPARE(m_view->textCursor().selectedText(), QStringLiteral("hello"));
}

QTEST_MAIN(TerminalViewTest)
#include "TerminalViewTest.moc"
