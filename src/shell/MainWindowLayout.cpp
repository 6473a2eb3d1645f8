// The main window's layout: tab row, upper pane, splitter, terminal, command
// input and status bar, and what changes it (tabs, splitter, bar flags).
#include "shell/MainBoards.h"
#include "shell/MainLayout.h"
#include "shell/MainLists.h"
#include "shell/SplitterBar.h"
#include "shell/TfrmMainChess.h"

#include "shell/MainChat.h"

#include "chat/ui/TerminalView.h"
#include "session/ui/CommandInput.h"

#include <QComboBox>
#include <QTabBar>

void TfrmMainChess::layoutClientArea()
{
    if (!m_client || !memTerminal)
        return;
    MainLayout::Input in;
    in.left = 0;
    in.right = m_client->width();
    in.tabBottom = tabSplitters->sizeHint().height();
    in.bottom = m_client->height();
    in.statusHeight = pnlStatus->sizeHint().height();
    in.inputHeight = cmbInput->sizeHint().height();
    in.splitterHeight = pnlSplitter->height();
    in.tab = m_selectedTab;
    in.share = tabShare(m_selectedTab);
    in.boardsDocked = !m_record.boardsSeperated;
    in.graphView = m_record.useGraph;
    const MainLayout::Result out = MainLayout::arrange(in);
    if (m_selectedTab != TLists::TerminalTab && out.share != in.share)
        setTabShare(m_selectedTab, out.share);

    tabSplitters->setGeometry(0, 0, m_client->width(), in.tabBottom);
    pnlStatus->setGeometry(out.status);
    cmbInput->setGeometry(out.input);
    memTerminal->setGeometry(out.terminal);
    pnlSplitter->setVisible(!out.splitter.isEmpty());
    pnlSplitter->setGeometry(out.splitter);
    const auto place = [&](QWidget* pane, MainLayout::UpperPane which) {
        pane->setVisible(out.upperPane == which);
        if (out.upperPane == which)
            pane->setGeometry(out.upper);
    };
    place(pnlBoard, MainLayout::UpperPane::Boards);
    place(pnlSought, MainLayout::UpperPane::SeekGraph);
    place(memOutPut, MainLayout::UpperPane::ListPane);
    memTerminal->viewport()->update();
}

void TfrmMainChess::tabChanged(int index)
{
    // With separate board windows the Boards tab brings those windows up and
    // the main window shows the terminal alone.
    m_selectedTab = (index == TLists::BoardsTab && m_record.boardsSeperated) ? 0 : index;
    m_chat->setBoardsViewShown(m_selectedTab == TLists::BoardsTab);
    layoutClientArea();
    m_listsWiring->tabChanged();
}

void TfrmMainChess::selectTab(int index)
{
    if (index >= 0 && index < tabSplitters->count())
        tabSplitters->setCurrentIndex(index);
}

void TfrmMainChess::selectTabAnew(int index)
{
    if (index < 0 || index >= tabSplitters->count())
        return;
    {
        const QSignalBlocker blocker(tabSplitters);
        tabSplitters->setCurrentIndex(index);
    }
    tabChanged(index);
}

float TfrmMainChess::tabShare(int tab) const
{
    if (tab == TLists::BoardsTab)
        return m_record.boardsShare[std::clamp(m_boardsOpen, 1, 4) - 1];
    return tab < m_lists.count() ? m_lists.y(tab) : MainLayout::MinimumShare;
}

void TfrmMainChess::setTabShare(int tab, float share)
{
    if (tab == TLists::BoardsTab)
        m_record.boardsShare[std::clamp(m_boardsOpen, 1, 4) - 1] = share;
    else if (tab < m_lists.count())
        m_lists.setY(tab, share);
}

void TfrmMainChess::splitterDropped(int y)
{
    if (m_selectedTab == TLists::TerminalTab)
        return;
    setTabShare(m_selectedTab, MainLayout::shareForSplitterAt(y, cmbInput->geometry().top()));
    layoutClientArea();
}

void TfrmMainChess::toggleToolBarFlag()
{
    m_record.toolBar = !m_record.toolBar;
    menus.mnuHideToolBar->setChecked(!m_record.toolBar);
    toolBars.setShown(m_record.toolBar);
    layoutClientArea();
}

void TfrmMainChess::toggleGameBar()
{
    m_record.gameBar = !m_record.gameBar;
    menus.mnuHideGameBar->setChecked(!m_record.gameBar);
    m_boards->manager().options().gameBar = m_record.gameBar;
    if (BoardManager* manager = &m_boards->manager(); manager->activeBoard())
        manager->ShowButtonPanels(*manager->activeBoard());
}

void TfrmMainChess::setBoardsOpen(int count)
{
    // Each number of boards keeps its own share of the height.
    m_boardsOpen = count;
    layoutClientArea();
}
