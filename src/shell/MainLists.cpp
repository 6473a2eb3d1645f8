#include "shell/MainLists.h"

#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalPane.h"
#include "chat/ui/TfrmEditCommands.h"
#include "chat/ui/TfrmLists.h"
#include "lists/SeekGraphGeometry.h"
#include "lists/ui/TSeekGraph.h"
#include "lists/ui/TSoughtPanel.h"
#include "lists/ui/TfrmCmds.h"
#include "lists/ui/TfrmHistory.h"
#include "lists/ui/TfrmJournal.h"
#include "lists/ui/TfrmMatch.h"
#include "lists/ui/TfrmSoughtOptions.h"
#include "lists/ui/TfrmStored.h"
#include "lists/ui/TfrmVars.h"
#include "session/CommandWord.h"
#include "session/ListCapture.h"
#include "session/ui/CommandInput.h"
#include "shell/MainSession.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int TickMilliseconds = 1000;

QString blockRequest(const QString& command, const QString& handle)
{
    return QStringLiteral("iset block 1^%1%2^999 iset block 0").arg(command, handle);
}

GameListKind::Id kindOf(ReplyWindowsSink::ListWindow window)
{
    switch (window) {
    case ReplyWindowsSink::ListWindow::Stored:
        return GameListKind::Stored;
    case ReplyWindowsSink::ListWindow::Journal:
        return GameListKind::Journal;
    default:
        return GameListKind::History;
    }
}

} // namespace

MainLists::MainLists(TfrmMainChess& window) : m_window(window)
{
    m_timBoard.setInterval(TickMilliseconds);
    connect(&m_timBoard, &QTimer::timeout, this, &MainLists::timerTick);
}

MainLists::~MainLists() = default;

CommandSender& MainLists::commands()
{
    return m_window.session().commands();
}

void MainLists::build()
{
    m_sought = new TSoughtPanel(m_window.pnlSought);
    auto* fill = new QVBoxLayout(m_window.pnlSought);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_sought);

    m_match = new TfrmMatch(&m_window);
    m_match->setSettingsFile(m_window.settingsFile());
    m_vars = new TfrmVars(commands(), &m_window);
    m_gameLists[GameListKind::Stored] = new TfrmStored(commands(), &m_window);
    m_gameLists[GameListKind::Journal] = new TfrmJournal(commands(), &m_window);
    m_gameLists[GameListKind::History] = new TfrmHistory(commands(), &m_window);
    m_cmds = new TfrmCmds(&m_window);

    wireSeeks();
    wireInfoBar();
    MainMenus& menus = m_window.menus;
    menus.mnuLists->setEnabled(true);
    connect(menus.mnuLists, &QAction::triggered, this, &MainLists::editLists);
    menus.mnuCommands->setEnabled(true);
    connect(menus.mnuCommands, &QAction::triggered, this, &MainLists::editPresets);
}

void MainLists::wireSeeks()
{
    MainMenus& menus = m_window.menus;
    for (QAction* item : {menus.mnuSeek, menus.mnuSoughtGraph})
        item->setEnabled(true);
    m_window.toolBars.spdSeek->setEnabled(true);
    connect(menus.mnuSeek, &QAction::triggered, this, &MainLists::seek);
    connect(m_window.toolBars.spdSeek, &QToolButton::clicked, this, &MainLists::seek);
    connect(m_sought->btSeek, &QPushButton::clicked, this, &MainLists::seek);
    connect(menus.mnuSoughtGraph, &QAction::triggered, this, &MainLists::editSoughtOptions);
    connect(m_sought->btOptions, &QPushButton::clicked, this, &MainLists::editSoughtOptions);
    connect(m_sought->graph(), &TSeekGraph::playRequested, this,
            [this](int number) { commands().sendCommand(QStringLiteral("Play %1").arg(number)); });
    connect(m_sought->graph(), &TSeekGraph::playerMenuRequested, this, &MainLists::showPlayerMenu);
}

void MainLists::wireInfoBar()
{
    QToolBar* bar = m_window.toolBars.TBToolbar2;
    const auto wire = [&](const char* name, auto action) {
        auto* button = bar->findChild<QToolButton*>(QLatin1String(name));
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, action);
    };
    wire("btVariables",
         [this] { commands().sendCommand(blockRequest(QStringLiteral("107 vars "), target())); });
    wire("btJournal", [this] {
        commands().sendCommand(blockRequest(QStringLiteral("102 Journal "), target()));
    });
    wire("btHistory", [this] {
        commands().sendCommand(blockRequest(QStringLiteral("100 History "), target()));
    });
    wire("btStored",
         [this] { commands().sendCommand(blockRequest(QStringLiteral("101 Stored "), target())); });
    wire("btAllInfo", [this] {
        m_cmds->Clear();
        const QString t = target();
        commands().sendCommand(QStringLiteral("iset block 1^500 finger %1 ^500 history %1 "
                                              "^500 assess %1^999 iset block 0")
                                   .arg(t));
    });
}

QString MainLists::target() const
{
    // The label shows a word picked from server text; only a handle goes into a request.
    return CommandWord::handle(m_window.toolBars.laTarget->text());
}

void MainLists::applySettings()
{
    MainSettingsRecord& record = m_window.m_record;
    const auto range =
        SeekGraphGeometry::RatingRange::clamped(record.ratingsMin, record.ratingsMax);
    record.ratingsMin = range.min;
    record.ratingsMax = range.max;
    m_sought->setRange(range);
}

void MainLists::saveSettings()
{
    m_match->saveProfiles();
}

void MainLists::tabChanged()
{
    refresh(true);
}

void MainLists::refresh(bool request)
{
    m_countdown.stop();
    const int tab = m_window.m_selectedTab;
    if (tab == TLists::TerminalTab) {
        m_window.memOutPut->clear();
        m_paneLines.clear();
    }
    if (!m_window.m_lists.isCommandList(tab)) {
        m_timBoard.stop();
        return;
    }
    if (request) {
        // The server echoes the two markers around the list's output.
        commands().sendCommand(QStringLiteral("capt%%") + QString::number(tab) + u'^' +
                               m_window.m_lists.at(tab).command + QStringLiteral("^capt%%0"));
    } else {
        m_countdown.arm(TLists::refreshSeconds(m_window.m_lists.at(tab).update, m_protocol));
    }
    // The ticker runs only while a countdown does.
    if (m_countdown.isRunning())
        m_timBoard.start();
    else
        m_timBoard.stop();
}

void MainLists::timerTick()
{
    if (m_countdown.tick())
        refresh(true);
}

int MainLists::selectedListTab() const
{
    return m_window.m_selectedTab;
}

bool MainLists::paneShows(const QList<QByteArray>& lines) const
{
    return lines == m_paneLines;
}

bool MainLists::seekGraphView() const
{
    return m_window.m_record.useGraph;
}

void MainLists::deliverToSeekGraph(const QList<QByteArray>& lines)
{
    m_paneLines = lines;
    m_seeks.parse(lines.join("\r\n") + "\r\n", m_protocol);
    m_sought->graph()->setSeeks(m_seeks.seeks());
}

void MainLists::replacePane(const QList<QByteArray>& lines, int)
{
    TerminalPane* pane = m_window.memOutPut;
    if (pane->hasFocus())
        m_window.cmbInput->setFocus();
    m_paneLines = lines;
    pane->clear();
    for (const QByteArray& line : lines) {
        pane->appendText(QString::fromLatin1(line));
        pane->endLine();
    }
    pane->finishEdit(true);
}

void MainLists::stopRefreshCountdown()
{
    m_countdown.stop();
    m_timBoard.stop();
}

void MainLists::armRefreshCountdown()
{
    refresh(false);
}

TfrmGameList* MainLists::gameList(ListWindow window) const
{
    return m_gameLists[kindOf(window)];
}

void MainLists::loadListWindow(ListWindow window, const QList<QByteArray>& lines)
{
    if (window == ListWindow::Vars)
        m_vars->Fill(lines);
    else
        gameList(window)->Fill(lines);
}

void MainLists::showListWindow(ListWindow window)
{
    if (window == ListWindow::Vars)
        m_vars->showOrRaise();
    else
        gameList(window)->showOrRaise();
}

void MainLists::appendToCommandsWindow(const QByteArray& text)
{
    m_cmds->Append(text);
}

void MainLists::showCommandsWindow()
{
    m_cmds->showOrRaise();
}

void MainLists::seek()
{
    const QString options = m_match->Run(QStringLiteral("Seek"));
    if (!options.isEmpty())
        commands().sendCommand(QStringLiteral("Seek ") + options);
}

void MainLists::showPlayerMenu(const QString& handle, const QPoint& globalPos)
{
    if (handle.isEmpty())
        return;
    // The terminal menu with the mouse actions, acting on the seeking player.
    m_window.setTarget(handle);
    m_window.mnuTerminal->popup(globalPos);
}

void MainLists::editSoughtOptions()
{
    MainSettingsRecord& record = m_window.m_record;
    TfrmSoughtOptions dialog(&m_window);
    dialog.setValues(m_sought->graph()->range(), record.useGraph);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto range = dialog.range();
    const bool viewChanged = record.useGraph != dialog.graphView();
    record.useGraph = dialog.graphView();
    record.ratingsMin = range.min;
    record.ratingsMax = range.max;
    m_sought->setRange(range);
    if (viewChanged)
        m_paneLines.clear(); // the other view has not seen the last list
    if (m_window.m_selectedTab == ListCapture::SeekListTab)
        m_window.layoutClientArea();
}

void MainLists::editLists()
{
    if (m_window.m_lists.isCommandList(m_window.m_selectedTab))
        m_window.selectTab(TLists::TerminalTab);
    TfrmLists dialog(m_window.m_lists, m_protocol, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_window.m_lists = dialog.lists();
    QTabBar* tabs = m_window.tabSplitters;
    const QSignalBlocker blocker(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (const QString& label : m_window.m_lists.labels())
        tabs->addTab(label);
    tabs->setCurrentIndex(std::min(m_window.m_selectedTab, tabs->count() - 1));
}

void MainLists::editPresets()
{
    QComboBox* input = m_window.cmbInput;
    QStringList presets;
    for (int i = 0; i < input->count(); ++i)
        presets.append(input->itemText(i));
    TfrmEditCommands dialog(presets, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    presets = dialog.presets();
    presets.sort(Qt::CaseInsensitive);
    const QString typed = input->currentText();
    input->clear();
    input->addItems(presets);
    input->setCurrentIndex(-1);
    input->setEditText(typed);
}
