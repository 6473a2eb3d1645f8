#include "games/ui/BoardInfoColumn.h"
#include "games/ui/TPieceGrid.h"

#include "support/ui/PaintCounter.h"

#include <QFontDatabase>
#include <QHelpEvent>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

// Pixels close to the colour: glyph edges are blended with the background.
int pixelsNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 40 &&
                qAbs(pixel.green() - colour.green()) < 40 &&
                qAbs(pixel.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

// A column inside a window, shown, with a black window-text colour.
struct ShownColumn
{
    QWidget window;
    BoardInfoColumn* column = nullptr;
    ShownColumn()
    {
        QPalette palette = window.palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        window.setPalette(palette);
        const auto button = [this](const char* text) {
            auto* made = new QToolButton(&window);
            made->setText(QLatin1String(text));
            return made;
        };
        column =
            new BoardInfoColumn({button("i"), button("p")}, {button("i"), button("p")}, &window);
        column->setGeometry(0, 0, BoardInfoColumn::Width, 400);
        window.resize(BoardInfoColumn::Width, 400);
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    QImage shot(const InfoLine& line) const
    {
        return column->grab(line.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// A character the font's own face lacks and another installed face has (null when the
// machine has no such face).
QChar characterOfAnotherFace(const QFont& font)
{
    const QRawFont own = QRawFont::fromFont(font);
    QList<QRawFont> others;
    for (const QString& family : QFontDatabase::families())
        others.append(QRawFont::fromFont(QFont(family)));
    for (char16_t code = 0x00A1; code < 0xD800; ++code) {
        const QChar candidate(code);
        if (!candidate.isPrint() || own.supportsCharacter(candidate))
            continue;
        for (const QRawFont& other : others) {
            if (other.supportsCharacter(candidate))
                return candidate;
        }
    }
    return {};
}

} // namespace

class BoardInfoColumnTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsEachLineInItsColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("inked");
        QTest::newRow("a clock in the window-text colour") << "4:59" << QColor() << true;
        QTest::newRow("a dimmed name") << "GrandMast" << QColor(112, 112, 112) << true;
        QTest::newRow("red") << "pedrito" << QColor(Qt::red) << true;
        QTest::newRow("no text draws nothing") << "" << QColor(Qt::red) << false;
    }
    void drawsEachLineInItsColours()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QFETCH(bool, inked);
        ShownColumn shown;
        QVERIFY(shown.show());
        InfoLine& line = shown.column->bottomTime;
        line.setText(text);
        line.setTextColour(colour);
        const QColor ink = colour.isValid() ? colour : QColor(Qt::black);
        QCOMPARE(line.textColour(), ink);
        const QImage image = shown.shot(line);
        QCOMPARE(pixelsNear(image, ink) > 10, inked);
        // The bottom player's lines are yellow, the top player's grey, the last move lime.
        QVERIFY(pixelsNear(image, Qt::yellow) > image.width() * image.height() / 2);
        QVERIFY(pixelsNear(shown.shot(shown.column->topName), QColor(192, 192, 192)) > 0);
        QVERIFY(pixelsNear(shown.shot(shown.column->lastMove), Qt::green) > 0);
    }

    // A move changes the last move, both names' and clocks' colours and a clock's text:
    // one paint of the column draws them all, and nothing behind the column or in its
    // grids is painted again.
    void aMoveIsOnePaintOfTheColumnAlone()
    {
        ShownColumn shown;
        QVERIFY(shown.show());
        BoardInfoColumn& column = *shown.column;
        column.topTime.setText(QStringLiteral("3:00"));
        QTest::qWait(50);
        const PaintCounter columnPaints(&column);
        const PaintCounter windowPaints(&shown.window);
        const PaintCounter gridPaints(column.topGrid);
        const QColor waiting(112, 112, 112);
        column.lastMove.setText(QStringLiteral("1. e4 ..."));
        column.topName.setTextColour(waiting);
        column.topTime.setTextColour(waiting);
        column.bottomName.setTextColour(QColor());
        column.bottomTime.setText(QStringLiteral("2:58"));
        QTRY_VERIFY(columnPaints.paints() > 0);
        QTest::qWait(50);
        QCOMPARE(columnPaints.paints(), 1);
        QCOMPARE(windowPaints.paints(), 0);
        QCOMPARE(gridPaints.paints(), 0);
        // An unchanged text asks for no paint.
        column.bottomTime.setText(QStringLiteral("2:58"));
        QTest::qWait(50);
        QCOMPARE(columnPaints.paints(), 1);
        // (A shot paints the column once more, so it comes last.)
        QVERIFY(pixelsNear(shown.shot(column.bottomTime), Qt::black) > 10);
        QVERIFY(pixelsNear(shown.shot(column.topTime), waiting) > 10);
        QVERIFY(pixelsNear(shown.shot(column.lastMove), Qt::black) > 10);
    }

    // The kept glyphs must follow every new text, or a clock would freeze.
    void aNewTextIsDrawnAtOnce()
    {
        ShownColumn shown;
        QVERIFY(shown.show());
        InfoLine& clock = shown.column->topTime;
        clock.setText(QStringLiteral("1:00"));
        const QImage first = shown.shot(clock);
        clock.setText(QStringLiteral("0:59"));
        const QImage second = shown.shot(clock);
        QVERIFY(first != second);
        clock.setText(QStringLiteral("1:00"));
        QCOMPARE(shown.shot(clock), first);
    }

    // A line looks as Qt's own text layout draws its text: a Latin clock or move from the
    // face's glyphs alone, a character the face lacks from the face that has it.
    void drawsItsTextAsATextLayoutWould_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a clock") << QStringLiteral("12:07");
        QTest::newRow("a move") << QStringLiteral("34. ... Qxf7+");
        // The face of a bold line, as the board's names and clocks are.
        QFont bold;
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 2);
        if (const QChar lacking = characterOfAnotherFace(bold); !lacking.isNull())
            QTest::newRow("a character of another face") << QStringLiteral("ab") + lacking;
    }
    void drawsItsTextAsATextLayoutWould()
    {
        QFETCH(QString, text);
        ShownColumn shown;
        QVERIFY(shown.show());
        InfoLine& line = shown.column->bottomName;
        QCOMPARE(line.font().bold(), true);
        line.setText(text);
        const QRect area = line.geometry();
        QImage expected(area.size(), QImage::Format_RGB32);
        expected.fill(Qt::yellow);
        {
            QPainter painter(&expected);
            QFont font = line.font();
            font.setStyleStrategy(QFont::PreferNoShaping);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
        }
        QCOMPARE(shown.shot(line), expected);
    }

    // A name shows nine characters of the handle; the whole handle is its tool tip.
    void aNameShowsTheWholeHandleAsItsTip()
    {
        ShownColumn shown;
        QVERIFY(shown.show());
        BoardInfoColumn& column = *shown.column;
        column.topName.setText(QStringLiteral("Grandmast"));
        column.topName.setToolTip(QStringLiteral("GrandmasterFlash"));
        const QPoint onName = column.topName.geometry().center();
        QHelpEvent help(QEvent::ToolTip, onName, column.mapToGlobal(onName));
        QApplication::sendEvent(&column, &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("GrandmasterFlash"));
        const QPoint onGap = column.topTime.geometry().bottomLeft() + QPoint(0, 10);
        QHelpEvent none(QEvent::ToolTip, onGap, column.mapToGlobal(onGap));
        QApplication::sendEvent(&column, &none);
        QTRY_VERIFY(QToolTip::text().isEmpty());
    }
};

QTEST_MAIN(BoardInfoColumnTest)
#include "BoardInfoColumnTest.moc"
