#include "chat/ui/PaneText.h"

#include <QImage>
#include <QTest>

class PaneTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void textBetweenPlaces_data();
    void textBetweenPlaces();
    void anOpenLineGrowsAndIsLaidOutAgain();
    void longLinesWrapWithAHangingIndent();
    void cutLinesTakeTheirHeightAlong();
    void aFormatWithoutAFontTakesThePanesFont();
    void aCollapsedPaneStillLaysOut();

private:
    void addLine(const QString& text);

    QImage m_device{10, 10, QImage::Format_RGB32};
    std::unique_ptr<PaneText> m_text;
};

void PaneTextTest::init()
{
    m_text = std::make_unique<PaneText>(&m_device);
    m_text->setIndents(5, 25);
    m_text->setWidth(400);
}

void PaneTextTest::addLine(const QString& text)
{
    m_text->append(text);
    m_text->endLine();
}

void PaneTextTest::textBetweenPlaces_data()
{
    QTest::addColumn<TextPoint>("from");
    QTest::addColumn<TextPoint>("to");
    QTest::addColumn<QString>("text");

    QTest::newRow("inside a line") << TextPoint{0, 4} << TextPoint{0, 9} << "tells";
    QTest::newRow("across a line break") << TextPoint{0, 15} << TextPoint{1, 3} << "hi\nfic";
    QTest::newRow("into the open line") << TextPoint{1, 0} << TextPoint{2, 5} << "fics%\nlogin";
    QTest::newRow("past the end is the end") << TextPoint{2, 0} << TextPoint{9, 9} << "login: ";
    QTest::newRow("backwards is nothing") << TextPoint{1, 3} << TextPoint{0, 2} << "";
    QTest::newRow("everything") << TextPoint{} << TextPoint{3, 0}
                                << "bob tells you: hi\nfics%\nlogin: ";
}

void PaneTextTest::textBetweenPlaces()
{
    QFETCH(TextPoint, from);
    QFETCH(TextPoint, to);
    QFETCH(QString, text);

    addLine(QStringLiteral("bob tells you: hi"));
    addLine(QStringLiteral("fics%"));
    m_text->append(QStringLiteral("login: "));
    QCOMPARE(m_text->textBetween(from, to), text);
}

void PaneTextTest::anOpenLineGrowsAndIsLaidOutAgain()
{
    addLine(QStringLiteral("Welcome"));
    m_text->append(QStringLiteral("login: "));
    QCOMPARE(m_text->layOut(), 0);
    QCOMPARE(m_text->layOut(), 2); // nothing changed
    QCOMPARE(m_text->finishedLineCount(), 1);

    m_text->append(QStringLiteral("guest"));
    m_text->endLine();
    QCOMPARE(m_text->layOut(), 1);
    QCOMPARE(m_text->finishedLineCount(), 2);
    QCOMPARE(m_text->text(1), QStringLiteral("login: guest"));
    QCOMPARE(m_text->plainText(), QStringLiteral("Welcome\nlogin: guest\n"));
    // The end of finished text is the start of the line to come.
    QCOMPARE(m_text->end(), (TextPoint{2, 0}));
}

void PaneTextTest::longLinesWrapWithAHangingIndent()
{
    const QString words = QStringLiteral("many words ").repeated(30);
    addLine(words);
    addLine(QStringLiteral("short"));
    m_text->layOut();

    QVERIFY(m_text->lineHeight(0) > 2 * m_text->lineHeight(1));
    QCOMPARE(m_text->top(1), m_text->top(0) + m_text->lineHeight(0));
    QCOMPARE(m_text->cursorRect({0, 0}).x(), 5.0);
    const PaneText::ShownLine second = m_text->shownLineAt({0, 200});
    QVERIFY(second.start.column > 0 && second.start.column <= 200);
    QCOMPARE(second.column, 200 - second.start.column);
    QCOMPARE(second.text, words.mid(second.start.column, second.text.size()));
    QCOMPARE(m_text->cursorRect(second.start).x(), 25.0);
    // A point on a continuation line finds its column there.
    const QRectF at = m_text->cursorRect({0, 200});
    QCOMPARE(m_text->pointAt(at.center()), (TextPoint{0, 200}));

    // Narrower, the same text takes more lines.
    const int wide = m_text->lineHeight(0);
    m_text->setWidth(200);
    QCOMPARE(m_text->layOut(), 0);
    QVERIFY(m_text->lineHeight(0) > wide);
}

void PaneTextTest::cutLinesTakeTheirHeightAlong()
{
    for (int i = 0; i < 10; ++i)
        addLine(QStringLiteral("line %1").arg(i));
    m_text->layOut();
    const int firstTop = m_text->top(0);
    const int fourthTop = m_text->top(3);
    const int height = m_text->height();

    QCOMPARE(m_text->removeFirstLines(3), fourthTop - firstTop);
    QCOMPARE(m_text->text(0), QStringLiteral("line 3"));
    QCOMPARE(m_text->top(0), firstTop);
    QCOMPARE(m_text->height(), height - (fourthTop - firstTop));
    QCOMPARE(m_text->layOut(), 7); // what stays keeps its layout
    QCOMPARE(m_text->lineAt(m_text->top(2) + 1), 2);
    QCOMPARE(m_text->removeFirstLines(20), height - 2 * firstTop - (fourthTop - firstTop));
    QCOMPARE(m_text->lineCount(), 0);
}

void PaneTextTest::aFormatWithoutAFontTakesThePanesFont()
{
    QFont large;
    large.setPixelSize(40);
    m_text->setFont(large);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    m_text->append(QStringLiteral("coloured"), red);
    m_text->endLine();
    addLine(QStringLiteral("plain"));
    QTextCharFormat small;
    small.setProperty(QTextFormat::FontPixelSize, 10);
    m_text->append(QStringLiteral("small"), small);
    m_text->endLine();
    m_text->layOut();

    QCOMPARE(m_text->lineHeight(0), m_text->lineHeight(1));
    QVERIFY(m_text->lineHeight(0) >= 40);
    QVERIFY(m_text->lineHeight(2) < 20);
}

void PaneTextTest::aCollapsedPaneStillLaysOut()
{
    // A splitter may squeeze a pane to nothing: each character then takes a line.
    m_text->setWidth(0);
    addLine(QStringLiteral("abcdefghij"));
    addLine(QString());
    m_text->layOut();

    QVERIFY(m_text->lineHeight(0) >= 10 * m_text->lineHeight(1));
    QCOMPARE(m_text->pointAt(m_text->cursorRect({0, 7}).center()).line, 0);
    QCOMPARE(m_text->shownLineAt({0, 7}).text.size(), 1);
}

QTEST_MAIN(PaneTextTest)
#include "PaneTextTest.moc"
