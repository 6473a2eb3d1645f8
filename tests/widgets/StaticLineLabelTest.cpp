#include "widgets/StaticLineLabel.h"

#include "support/ui/PaintCounter.h"

#include <QImage>
#include <QTest>

namespace {

QImage shot(StaticLineLabel& label)
{
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

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

} // namespace

class StaticLineLabelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsItsTextInTheChosenColour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("inked");
        QTest::newRow("a clock in the palette's colour") << "4:59" << QColor() << true;
        QTest::newRow("a dimmed name") << "GrandMast" << QColor(112, 112, 112) << true;
        QTest::newRow("red") << "pedrito" << QColor(Qt::red) << true;
        QTest::newRow("no text draws nothing") << "" << QColor(Qt::red) << false;
    }
    void drawsItsTextInTheChosenColour()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QFETCH(bool, inked);
        StaticLineLabel label;
        label.setAutoFillBackground(true);
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        palette.setColor(QPalette::WindowText, Qt::black);
        label.setPalette(palette);
        label.resize(101, 20);
        label.setText(text);
        label.setTextColour(colour);
        const QColor ink = colour.isValid() ? colour : QColor(Qt::black);
        QCOMPARE(label.textColour(), ink);
        const QImage image = shot(label);
        QCOMPARE(pixelsNear(image, ink) > 10, inked);
        QCOMPARE(pixelsNear(image, Qt::yellow) > 0, true);
    }

    // A board's name and clock labels change many times a second: a label with its own
    // background paints it with its text, and nothing behind it is painted again.
    void aLabelWithItsOwnBackgroundHidesWhatIsBehindIt()
    {
        QWidget panel;
        auto* label = new StaticLineLabel(&panel);
        label->setBackground(Qt::yellow);
        label->setTextColour(Qt::black);
        label->setGeometry(0, 0, 101, 20);
        panel.resize(101, 20);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(pixelsNear(shot(*label), Qt::yellow), 101 * 20);
        const PaintCounter panelPaints(&panel);
        label->setText(QStringLiteral("4:59"));
        QTRY_VERIFY(pixelsNear(shot(*label), Qt::black) > 10);
        QTest::qWait(50);
        QCOMPARE(panelPaints.paints(), 0);
        QVERIFY(pixelsNear(shot(*label), Qt::yellow) > 0);
    }

    // The kept glyphs must follow every new text and font, or a clock would freeze.
    void aNewTextOrFontIsDrawnAtOnce()
    {
        StaticLineLabel label;
        label.resize(101, 24);
        label.setText(QStringLiteral("1:00"));
        const QImage first = shot(label);
        label.setText(QStringLiteral("0:59"));
        const QImage second = shot(label);
        QVERIFY(first != second);
        QFont bold = label.font();
        bold.setBold(true);
        label.setFont(bold);
        QVERIFY(shot(label) != second);
        label.setText(QStringLiteral("1:00"));
        label.setFont(bold);
        label.setFont(QFont(label.font().family(), label.font().pointSize()));
        label.setText(QStringLiteral("1:00"));
        QCOMPARE(shot(label), first);
    }
};

QTEST_MAIN(StaticLineLabelTest)
#include "StaticLineLabelTest.moc"
