#include "shell/MainToolBars.h"

#include "settings/SettingsFile.h"
#include "widgets/ControlHint.h"

#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString StateKey = QStringLiteral("State");
constexpr int PositionVersion = 1;

QToolBar* toolBar(QMainWindow* window, const QString& name, const QString& title)
{
    auto* bar = new QToolBar(title, window);
    bar->setObjectName(name);
    bar->setAllowedAreas(Qt::TopToolBarArea | Qt::LeftToolBarArea | Qt::RightToolBarArea);
    bar->setFloatable(true);
    bar->setMovable(true);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// Buttons of later parts of the program are present and disabled.
QToolButton* button(QToolBar* bar, const QString& name, const QString& caption,
                    const QString& hint, bool toggle)
{
    auto* created = new QToolButton(bar);
    created->setObjectName(name);
    created->setText(caption);
    created->setCheckable(toggle);
    created->setEnabled(false);
    created->setAutoRaise(true);
    if (!hint.isEmpty())
        ControlHint::apply(created, hint);
    bar->addWidget(created);
    return created;
}

} // namespace

void MainToolBars::build(QMainWindow* window)
{
    TBToolbar1 = toolBar(window, QStringLiteral("TBToolbar1"),
                         QStringLiteral("Tolvaris Command Buttons"));
    spdConnect = button(TBToolbar1, QStringLiteral("spdConnect"), QStringLiteral("Connect"),
                        QStringLiteral("Connect|Connects or disconnects from server"), true);
    spdOpen = button(TBToolbar1, QStringLiteral("spdOpen"), QStringLiteral("Open"),
                     QStringLiteral("Open|Toggles availability for games."), true);
    spdSilence = button(TBToolbar1, QStringLiteral("spdSilence"), QStringLiteral("Silence"),
                        QStringLiteral("Silence|Toggles hearing of server-wide messages."), true);
    btChat = button(TBToolbar1, QStringLiteral("btChat"), QStringLiteral("Chat"), QString(),
                    false);
    spdSeek = button(TBToolbar1, QStringLiteral("spdSeek"), QStringLiteral("Match"),
                     QStringLiteral("Seek|Posts an ad to play a game."), false);
    spdAccept = button(TBToolbar1, QStringLiteral("spdAccept"), QStringLiteral("Accept"),
                       QStringLiteral("Accept|Accepts an offer."), false);
    spdDecline = button(TBToolbar1, QStringLiteral("spdDecline"), QStringLiteral("Decline"),
                        QStringLiteral("Decline|Declines last offer."), false);

    TBToolbar2 =
        toolBar(window, QStringLiteral("TBToolbar2"), QStringLiteral("Tolvaris Info Buttons"));
    laTarget = new QLabel(TBToolbar2);
    laTarget->setObjectName(QStringLiteral("laTarget"));
    laTarget->setMinimumWidth(90);
    laTarget->setFrameShape(QFrame::StyledPanel);
    laTarget->setContentsMargins(4, 0, 4, 0);
    TBToolbar2->addWidget(laTarget);
    for (const char* caption :
         {"Variables", "Chat Filter", "Journal", "History", "Stored", "All Info"})
        button(TBToolbar2, QStringLiteral("bt") + QString::fromLatin1(caption).remove(u' '),
               QLatin1String(caption), QString(), false);
}

void MainToolBars::setShown(bool shown) const
{
    TBToolbar1->setVisible(shown);
    TBToolbar2->setVisible(shown);
}

void MainToolBars::loadPositions(QMainWindow* window, const SettingsFile& file) const
{
    const QByteArray state =
        QByteArray::fromHex(file.readString(PositionSection, StateKey, QString()).toLatin1());
    if (!state.isEmpty())
        window->restoreState(state, PositionVersion);
}

void MainToolBars::storePositions(const QMainWindow* window, SettingsFile& file) const
{
    file.writeString(PositionSection, StateKey,
                     QString::fromLatin1(window->saveState(PositionVersion).toHex()));
}
