#include "chat/ui/TerminalView.h"
#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <array>

class TerminalViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void linesTakeTheFontOfTheirKindOrSpeaker_data();
    void linesTakeTheFontOfTheirKindOrSpeaker();
    void linkGetsTheLinksFont();
    void linesAreDrawnInTheirColours_data();
    void linesAreDrawnInTheirColours();
    void partialLineStaysOpen();
    void selectionSurvivesNewLines();
    void scrollLockKeepsTheView();
    void followsTheEndWhenUnlocked();
    void linesWaitForTheNextFrame();
    void hiddenTerminalLaysOutNothingUntilShown();
    void longTerminalLosesItsOldestLines_data();
    void longTerminalLosesItsOldestLines();
    void selectionSurvivesTheCut();
    void lockedViewKeepsItsTextThroughTheCut();
    void resizedTerminalStaysOnTheNewestLine_data();
    void resizedTerminalStaysOnTheNewestLine();
    void resizeKeepsALockedView();
    void scrollBarRepaintsOnlyWhenItsHandleMoves();
    void wordPickAndSelect();
    void leftClickOpensALinkOrPicksAWord_data();
    void leftClickOpensALinkOrPicksAWord();
    void rightClickPicksAndAsksForTheMenu();
    void mouseAndKeysSelectAndCopy();

public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url.toString()); }

private:
    void fill(int lines, int first = 0);
    void append(const QByteArray& text, TextKind kind, const QByteArray& key);
    QString topLine() const;
    QPoint pointOf(int column) const;
    QStringList m_opened;
    QTextCharFormat formatAt(int column) const;

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

void TerminalViewTest::fill(int lines, int first)
{
    for (int i = first; i < first + lines; ++i)
        m_view->appendToTerminal("line " + QByteArray::number(i) + "\r\n", TextKind::Normal, "");
    m_view->showPendingLines();
}

void TerminalViewTest::append(const QByteArray& text, TextKind kind, const QByteArray& key)
{
    m_view->appendToTerminal(text, kind, key);
    m_view->showPendingLines();
}

QString TerminalViewTest::topLine() const
{
    return m_view->lineText(m_view->pointAt(QPoint(0, 0)).line);
}

QTextCharFormat TerminalViewTest::formatAt(int column) const
{
    return m_view->formatAt({0, column});
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
        << QByteArray("Quenby tells you: hi\r\n") << int(TextKind::Tell) << QByteArray("QUENBY")
        << "Arial Black" << QColor(Qt::red);
    QTest::newRow("channel tell in the font of channel 4")
        << QByteArray("Anna(TM)(4): hi\r\n") << int(TextKind::ChannelTell)
        << QByteArray("Anna(TM)(4)") << "Arial" << QColor(0xFF, 0x00, 0xFF);
    QTest::newRow("channel tell without entry in green")
        << QByteArray("Anna(50): hi\r\n") << int(TextKind::ChannelTell) << QByteArray("Anna(50)")
        << "Courier New" << QColor(0x00, 0x80, 0x00);
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

    append(line, TextKind(kind), key);
    QCOMPARE(m_view->lineText(0), QString::fromLatin1(line.chopped(2)));
    const QTextCharFormat format = formatAt(0);
    QCOMPARE(format.fontFamilies().toStringList().value(0), family);
    QCOMPARE(format.foreground().color(), color);
}

void TerminalViewTest::linkGetsTheLinksFont()
{
    append("see www.freechess.org now\r\n", TextKind::Normal, "");
    QVERIFY(!formatAt(0).fontUnderline());
    QVERIFY(formatAt(4).fontUnderline());
    QVERIFY(formatAt(20).fontUnderline());
    QVERIFY(!formatAt(21).fontUnderline());
    QCOMPARE(formatAt(4).foreground().color(), QColor(0x00, 0x00, 0x80));
}

void TerminalViewTest::linesAreDrawnInTheirColours_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QColor>("color");

    QTest::newRow("a tell, one format")
        << QByteArray("Bob tells you: hi\r\n") << int(TextKind::Tell) << 0 << 17 << QColor(Qt::red);
    QTest::newRow("the text before a link") << QByteArray("Bob tells you: www.freechess.org\r\n")
                                            << int(TextKind::Tell) << 0 << 13 << QColor(Qt::red);
    QTest::newRow("the link") << QByteArray("Bob tells you: www.freechess.org\r\n")
                              << int(TextKind::Tell) << 15 << 32 << QColor(0x00, 0x00, 0x80);
}

void TerminalViewTest::linesAreDrawnInTheirColours()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QColor, color);

    append(line, TextKind(kind), "BOB");
    const QRect start = m_view->pointRect({0, from});
    const QRect end = m_view->pointRect({0, to});
    const QImage shot = m_view->viewport()->grab().toImage();
    // Antialiased glyphs blend into the white ground: a pixel of the colour's
    // ink lies between white and the colour; pixels with little ink say nothing.
    const auto ink = [](const QColor& c) {
        return std::array<int, 3>{255 - c.red(), 255 - c.green(), 255 - c.blue()};
    };
    const std::array<int, 3> full = ink(color);
    const int fullMost = *std::max_element(full.begin(), full.end());
    int near = 0;
    int other = 0;
    for (int y = start.top(); y <= start.bottom(); ++y) {
        for (int x = start.left(); x < end.left(); ++x) {
            const std::array<int, 3> got = ink(shot.pixelColor(x, y));
            const int most = *std::max_element(got.begin(), got.end());
            if (most < 100)
                continue;
            int distance = 0;
            for (std::size_t c = 0; c < 3; ++c)
                distance += qAbs(got[c] - full[c] * most / fullMost);
            ++(distance < 60 ? near : other);
        }
    }
    QVERIFY2(near > 10 && near > 4 * other,
             qPrintable(QStringLiteral("%1 near, %2 other").arg(near).arg(other)));
}

void TerminalViewTest::partialLineStaysOpen()
{
    append("login: ", TextKind::Normal, "");
    append("guest\r\n", TextKind::Normal, "");
    QCOMPARE(m_view->lineText(0), QStringLiteral("login: guest"));
    QCOMPARE(m_view->lineCount(), 1);
}

void TerminalViewTest::selectionSurvivesNewLines()
{
    fill(50);
    m_view->select({1, 5}, {4, 2});
    const QString selected = m_view->selectedText();
    QCOMPARE(selected, QStringLiteral("1\nline 2\nline 3\nli"));
    const int scroll = m_view->verticalScrollBar()->value();

    fill(50);
    QCOMPARE(m_view->selectionStart(), TextPoint({1, 5}));
    QCOMPARE(m_view->selectedText(), selected);
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

void TerminalViewTest::linesWaitForTheNextFrame()
{
    QSignalSpy changes(m_view.get(), &BatchedPane::linesShown);
    for (int i = 0; i < 3; ++i)
        m_view->appendToTerminal("line\r\n", TextKind::Normal, "");
    QCOMPARE(m_view->lineCount(), 0);

    QTRY_COMPARE_WITH_TIMEOUT(m_view->lineCount(), 3, 20000);
    QCOMPARE(changes.count(), 1);
}

void TerminalViewTest::hiddenTerminalLaysOutNothingUntilShown()
{
    TerminalView shownAlong(*m_fonts, *m_lock);
    shownAlong.show();
    m_view->hide();
    QSignalSpy changes(m_view.get(), &BatchedPane::linesShown);
    QSignalSpy waiting(m_view.get(), &BatchedPane::linesWaiting);
    for (int i = 0; i < 1500; ++i) {
        const QByteArray line = "line " + QByteArray::number(i) + "\r\n";
        m_view->appendToTerminal(line, TextKind::Normal, "");
        shownAlong.appendToTerminal(line, TextKind::Normal, "");
        if (i % 100 == 0)
            shownAlong.showPendingLines();
    }
    QVERIFY(waiting.wait(20000));
    // The user's own echo waits with the server text it follows.
    m_view->appendLine(QStringLiteral("observe 1"), TextKind::Commands);
    shownAlong.appendLine(QStringLiteral("observe 1"), TextKind::Commands);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(m_view->lineCount(), 0);
    // Shown again, it holds what it would have held had it been shown all along.
    m_view->show();
    shownAlong.showPendingLines();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_view->toPlainText(), shownAlong.toPlainText());
    QVERIFY(m_view->toPlainText().endsWith("line 1499\nobserve 1\n"));
}

void TerminalViewTest::longTerminalLosesItsOldestLines_data()
{
    QTest::addColumn<int>("linesPerFrame");

    QTest::newRow("one line a frame") << 1;
    QTest::newRow("all lines in one frame") << 5000;
}

void TerminalViewTest::longTerminalLosesItsOldestLines()
{
    QFETCH(int, linesPerFrame);

    int largest = 0;
    connect(m_view.get(), &BatchedPane::linesShown, this,
            [&] { largest = qMax(largest, m_view->lineCount()); });
    for (int first = 0; first < 5000; first += linesPerFrame)
        fill(linesPerFrame, first);

    // 5000 lines: cut at 1001 to 701, and so on every 300 lines.
    QCOMPARE(m_view->lineCount(), 800);
    QCOMPARE(m_view->lineText(0), QStringLiteral("line 4200"));
    QCOMPARE(m_view->lineText(799), QStringLiteral("line 4999"));
    QVERIFY2(largest <= 1001, qPrintable(QString::number(largest)));
}

void TerminalViewTest::selectionSurvivesTheCut()
{
    fill(1000);
    m_view->select({500, 0}, {500, 8});
    auto* input = new QLineEdit(m_view.get());
    m_view->setFocusTarget(input);
    const QString shown = topLine();

    fill(1, 1000);
    QCOMPARE(m_view->lineCount(), 701);
    QCOMPARE(m_view->lineText(0), QStringLiteral("line 300"));
    QCOMPARE(m_view->selectedText(), QStringLiteral("line 500"));
    QCOMPARE(topLine(), shown);
}

void TerminalViewTest::lockedViewKeepsItsTextThroughTheCut()
{
    fill(1000);
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum() / 2);
    const QString shown = topLine();
    m_lock->setOn(true);

    fill(1, 1000);
    QCOMPARE(m_view->lineCount(), 701);
    QCOMPARE(topLine(), shown);
}

void TerminalViewTest::resizedTerminalStaysOnTheNewestLine_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("shorter, as when a list tab opens") << QSize(400, 80);
    QTest::newRow("narrower, so that lines wrap") << QSize(150, 200);
    QTest::newRow("taller") << QSize(400, 600);
}

void TerminalViewTest::resizedTerminalStaysOnTheNewestLine()
{
    QFETCH(QSize, size);

    fill(100);
    append("a long last line that wraps once the pane is narrow enough for it\r\n",
           TextKind::Normal, "");
    m_view->resize(size);
    QCOMPARE(m_view->verticalScrollBar()->value(), m_view->verticalScrollBar()->maximum());
}

void TerminalViewTest::resizeKeepsALockedView()
{
    fill(100);
    m_view->verticalScrollBar()->setValue(10);
    m_lock->setOn(true);
    m_view->resize(400, 80);
    QCOMPARE(m_view->verticalScrollBar()->value(), 10);
}

void TerminalViewTest::wordPickAndSelect()
{
    append("Anna(TM)(50): hi there\r\n", TextKind::Normal, "");
    m_view->setCaret({0, 2});
    QCOMPARE(m_view->PickWordAt(), QStringLiteral("Anna"));
    QVERIFY(!m_view->OpenLinkAt());
    QVERIFY(m_view->SelectWordAt());
    QCOMPARE(m_view->selectedText(), QStringLiteral("Anna"));

    m_view->setCaret({0, 12}); // the ":" after "(50)"
    QCOMPARE(m_view->PickWordAt(), QString());
}

QPoint TerminalViewTest::pointOf(int column) const
{
    return m_view->pointRect({0, column}).center() + QPoint(2, 0);
}

void TerminalViewTest::leftClickOpensALinkOrPicksAWord_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("picked");

    QTest::newRow("link without double slash")
        << QByteArray("go HTTP:example.org/x.") << 6 << "http://example.org/x"
        << "";
    QTest::newRow("mail address") << QByteArray("write to anna@example.org.") << 12
                                  << "mailto:anna@example.org"
                                  << "";
    QTest::newRow("too short for a link: the word is picked")
        << QByteArray("at a.com ok") << 3 << ""
        << "a";
    QTest::newRow("a handle") << QByteArray("Anna(TM)(50): hi") << 1 << ""
                              << "Anna";
    QTest::newRow("a file address is not opened") << QByteArray("see file:///etc/x.htm") << 8 << ""
                                                  << "";
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
    append(line + "\r\n", TextKind::Normal, "");
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, pointOf(column));
    for (const char* scheme : {"http", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(m_opened.value(0).toLower(), opened.toLower());
    QCOMPARE(picks.isEmpty() ? QString() : picks.last().at(0).toString(), picked);
}

void TerminalViewTest::rightClickPicksAndAsksForTheMenu()
{
    append("bob tells you: hello alice\r\n", TextKind::Tell, "BOB");
    QSignalSpy menus(m_view.get(), &TerminalPane::menuRequested);
    QSignalSpy picks(m_view.get(), &TerminalPane::wordPicked);

    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, pointOf(22));
    QCOMPARE(menus.count(), 1);
    QCOMPARE(picks.last().at(0).toString(), QStringLiteral("alice"));

    // With a selection the caret stays and the word at the selection's start is picked.
    m_view->select({0, 15}, {0, 20});
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, pointOf(2));
    QCOMPARE(menus.count(), 2);
    QCOMPARE(picks.last().at(0).toString(), QStringLiteral("hello"));
    QCOMPARE(m_view->selectedText(), QStringLiteral("hello"));
}

void TerminalViewTest::mouseAndKeysSelectAndCopy()
{
    append("bob tells you: hello alice\r\n", TextKind::Tell, "BOB");
    append("second line\r\n", TextKind::Normal, "");
    QWidget* viewport = m_view->viewport();

    QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf(0));
    QMouseEvent drag(QEvent::MouseMove, pointOf(8), viewport->mapToGlobal(pointOf(8)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drag);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pointOf(8));
    QCOMPARE(m_view->selectedText(), QStringLiteral("bob tell"));

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, pointOf(22));
    QCOMPARE(m_view->selectedText(), QStringLiteral("alice"));

    QTest::keyClick(m_view.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_view.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("bob tells you: hello alice\nsecond line\n"));

    // The copy items take the selection, or the word at the caret, and leave nothing selected.
    QCOMPARE(m_view->copySelectionOrWord(),
             QStringLiteral("bob tells you: hello alice\nsecond line\n"));
    QVERIFY(!m_view->hasSelection());
    m_view->setCaret({1, 2});
    QCOMPARE(m_view->copySelectionOrWord(), QStringLiteral("second"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("second"));
}

namespace {

struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

void TerminalViewTest::scrollBarRepaintsOnlyWhenItsHandleMoves()
{
    fill(900);
    QScrollBar* bar = m_view->verticalScrollBar();
    PaintCounter counter;
    bar->installEventFilter(&counter);
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() == bar->maximum(), 20000);
    QCoreApplication::processEvents();
    counter.paints = 0;

    for (int first = 900; first < 950; first += 5) {
        fill(5, first);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QCOMPARE(counter.paints, 0);

    bar->setValue(0);
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints > 0, 20000);
}

QTEST_MAIN(TerminalViewTest)
#include "TerminalViewTest.moc"
