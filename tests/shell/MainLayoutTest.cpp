#include "shell/MainLayout.h"

#include <QTest>

using namespace MainLayout;

class MainLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arranges_data();
    void arranges();
    void terminalTabHasNoUpperPane();
    void splitterDropGivesTheShare();
};

namespace {

Input sample(int tab, float share, bool docked = true, bool graph = true)
{
    Input in;
    in.left = 10;
    in.right = 810;
    in.tabBottom = 30;
    in.bottom = 630;
    in.statusHeight = 20;
    in.inputHeight = 24;
    in.splitterHeight = 5;
    in.tab = tab;
    in.share = share;
    in.boardsDocked = docked;
    in.graphView = graph;
    return in;
}

} // namespace

void MainLayoutTest::arranges_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<float>("share");
    QTest::addColumn<bool>("docked");
    QTest::addColumn<bool>("graph");
    QTest::addColumn<int>("pane");
    QTest::addColumn<float>("usedShare");

    QTest::newRow("boards tab, docked") << 1 << 0.7f << true << true << int(UpperPane::Boards)
                                        << 0.7f;
    QTest::newRow("boards tab in separate mode shows the list pane")
        << 1 << 0.7f << false << true << int(UpperPane::ListPane) << 0.7f;
    QTest::newRow("sought tab as graph") << 2 << 0.4f << true << true
                                         << int(UpperPane::SeekGraph) << 0.4f;
    QTest::newRow("sought tab as list") << 2 << 0.4f << true << false
                                        << int(UpperPane::ListPane) << 0.4f;
    QTest::newRow("list tab") << 5 << 0.4f << true << true << int(UpperPane::ListPane) << 0.4f;
    QTest::newRow("share below the floor is raised")
        << 3 << 0.05f << true << true << int(UpperPane::ListPane) << 0.1f;
    QTest::newRow("share at the floor stays") << 3 << 0.1f << true << true
                                              << int(UpperPane::ListPane) << 0.1f;
}

void MainLayoutTest::arranges()
{
    QFETCH(int, tab);
    QFETCH(float, share);
    QFETCH(bool, docked);
    QFETCH(bool, graph);
    QFETCH(int, pane);
    QFETCH(float, usedShare);

    const Result out = arrange(sample(tab, share, docked, graph));
    QCOMPARE(int(out.upperPane), pane);
    QCOMPARE(out.share, usedShare);
    // status at the bottom; input 3 above it, indented 3; splitter at the share.
    QCOMPARE(out.status, QRect(10, 610, 800, 20));
    QCOMPARE(out.input, QRect(13, 583, 797, 24));
    const int splitterTop = 30 + int((583 - 30) * usedShare);
    QCOMPARE(out.splitter, QRect(10, splitterTop, 800, 5));
    QCOMPARE(out.upper, QRect(10, 30, 800, splitterTop - 30));
    QCOMPARE(out.terminal, QRect(10, splitterTop + 5, 800, 583 - splitterTop - 5));
}

void MainLayoutTest::terminalTabHasNoUpperPane()
{
    const Result out = arrange(sample(0, 0.01f));
    QCOMPARE(int(out.upperPane), int(UpperPane::None));
    QVERIFY(out.splitter.isEmpty());
    QCOMPARE(out.terminal, QRect(10, 30, 800, 583 - 3 - 30));
    QCOMPARE(out.share, 0.01f); // the terminal tab's share is not touched
}

void MainLayoutTest::splitterDropGivesTheShare()
{
    QCOMPARE(shareForSplitterAt(200, 400), 0.5f);
    QCOMPARE(shareForSplitterAt(10, 0), MinimumShare);
}

QTEST_GUILESS_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
