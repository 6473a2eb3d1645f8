#include "widgets/FixedPitchFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class FixedPitchFontTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedFaceIsFixedPitch_data();
    void namedFaceIsFixedPitch();
};

void FixedPitchFontTest::namedFaceIsFixedPitch_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("kept");
    QTest::newRow("the Windows terminal face stands in by a fixed-pitch one")
        << QStringLiteral("Fixedsys") << false;
    QTest::newRow("a proportional face is replaced") << QStringLiteral("DejaVu Sans") << false;
    QTest::newRow("an installed fixed-pitch face is kept")
        << QStringLiteral("DejaVu Sans Mono") << true;
    QTest::newRow("an empty name gets a fixed-pitch face") << QString() << false;
}

void FixedPitchFontTest::namedFaceIsFixedPitch()
{
    QFETCH(QString, family);
    QFETCH(bool, kept);
    if (!family.isEmpty() && family != QLatin1String("Fixedsys") &&
        !QFontDatabase::hasFamily(family))
        QSKIP("the face of this row is not installed");
    const QFontInfo shown(FixedPitchFont::named(family));
    QVERIFY2(shown.fixedPitch(), qPrintable(shown.family()));
    QCOMPARE(shown.family() == family, kept);
}

QTEST_MAIN(FixedPitchFontTest)
#include "FixedPitchFontTest.moc"
