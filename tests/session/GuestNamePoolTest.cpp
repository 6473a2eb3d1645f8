#include "session/GuestNamePool.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class GuestNamePoolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdsTheFullCountOfDistinctNames();
    void namesAreLettersOnlyAndShortEnough();
    void holdsTheKnownExamples();
    void picksComeFromThePoolAndVary();
};

void GuestNamePoolTest::holdsTheFullCountOfDistinctNames()
{
    QCOMPARE(int(GuestNamePool::names().size()), 604);
    QSet<QString> distinct;
    for (const char* name : GuestNamePool::names())
        distinct.insert(QString::fromLatin1(name).toLower());
    QCOMPARE(distinct.size(), 604);
}

void GuestNamePoolTest::namesAreLettersOnlyAndShortEnough()
{
    const QRegularExpression lettersOnly(QStringLiteral("^[A-Z][A-Za-z]*$"));
    for (const char* name : GuestNamePool::names()) {
        const QString text = QString::fromLatin1(name);
        QVERIFY2(lettersOnly.match(text).hasMatch(), name);
        QVERIFY2(text.size() >= 2 && text.size() <= 15, name);
    }
}

void GuestNamePoolTest::holdsTheKnownExamples()
{
    QStringList all;
    for (const char* name : GuestNamePool::names())
        all << QString::fromLatin1(name);
    for (const char* example : {"Achor", "Balios", "Cressida", "Fenrir", "GwynnApNudd", "Ymir"})
        QVERIFY2(all.contains(QString::fromLatin1(example)), example);
}

void GuestNamePoolTest::picksComeFromThePoolAndVary()
{
    QStringList all;
    for (const char* name : GuestNamePool::names())
        all << QString::fromLatin1(name);
    QRandomGenerator random(4711);
    QSet<QString> picked;
    for (int i = 0; i < 2000; ++i) {
        const QString name = GuestNamePool::pick(random);
        QVERIFY(all.contains(name));
        picked.insert(name);
    }
    // 2000 uniform draws from 604 names leave only a few dozen unseen.
    QVERIFY2(picked.size() > 550, qPrintable(QString::number(picked.size())));
}

QTEST_GUILESS_MAIN(GuestNamePoolTest)
#include "GuestNamePoolTest.moc"
