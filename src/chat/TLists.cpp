#include "chat/TLists.h"

#include "settings/SettingsBatch.h"
#include "settings/SettingsFile.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

struct ListDefault
{
    const char* label;
    const char* command;
    int update;
};

// Positions 2 to 13; later positions take the last row.
constexpr std::array<ListDefault, 12> ListDefaults{{
    {"&Sought", "Sought", 1},
    {"&Who", "Who as", 2},
    {"&Games", "Games", 3},
    {"Notify", "=Notify", 0},
    {"Bug Who", "bugwho", 1},
    {"Commands", "help commands", 0},
    {"Messages", "messages", 0},
    {"Pending", "pending", 1},
    {"History", "history", 0},
    {"Vars", "var", 0},
    {"Finger", "finger", 0},
    {"ZNotify", "znotify", 3},
}};

constexpr int DefaultListY = 40;
const QString TerminalLabel = QStringLiteral("&Terminal");
const QString BoardsLabel = QStringLiteral("&Boards");
const QString NewLabel = QStringLiteral("New");

// An Update outside the interval table means never.
int clampedUpdate(qint32 update)
{
    return (update >= 0 && update < TLists::UpdateChoices) ? update : TLists::NeverUpdate;
}

constexpr std::array<int, TLists::UpdateChoices> FicsSeconds{-1, 15, 30, 60};
constexpr std::array<int, TLists::UpdateChoices> IccSeconds{-1, 1, 5, 15};

} // namespace

TLists::TLists()
{
    m_lists.append({TerminalLabel, {}, 0, 0.4f});
    m_lists.append({BoardsLabel, {}, 0, 0.7f});
    for (const ListDefault& row : ListDefaults)
        m_lists.append({QLatin1String(row.label), QLatin1String(row.command), row.update,
                        DefaultListY / 100.0f});
}

void TLists::Load(const SettingsFile& file)
{
    m_lists.clear();
    m_lists.append({TerminalLabel, {}, 0,
                    file.readInteger(Section, QStringLiteral("YTerminal"), 40) / 100.0f});
    m_lists.append({BoardsLabel, {}, 0,
                    file.readInteger(Section, QStringLiteral("YBoard"), 70) / 100.0f});
    const qint32 listCount =
        std::clamp(file.readInteger(Section, QStringLiteral("ListCount"), 12), 0, MaxListCount);
    for (qint32 i = 0; i < listCount; ++i) {
        const ListDefault& row = ListDefaults[std::min<std::size_t>(i, ListDefaults.size() - 1)];
        const QString n = QString::number(i + FirstListTab);
        m_lists.append(
            {file.readString(Section, QStringLiteral("Label") + n, QLatin1String(row.label)),
             file.readString(Section, QStringLiteral("Command") + n, QLatin1String(row.command)),
             clampedUpdate(file.readInteger(Section, QStringLiteral("Update") + n, row.update)),
             file.readInteger(Section, QStringLiteral("Y") + n, DefaultListY) / 100.0f});
    }
}

void TLists::Store(SettingsFile& file) const
{
    SettingsBatch batch(file);
    file.writeInteger(Section, QStringLiteral("ListCount"), count() - FirstListTab);
    for (int position = FirstListTab; position < count(); ++position) {
        const TLista& list = m_lists.at(position);
        const QString n = QString::number(position);
        file.writeString(Section, QStringLiteral("Label") + n, list.label);
        file.writeString(Section, QStringLiteral("Command") + n, list.command);
        file.writeInteger(Section, QStringLiteral("Update") + n, list.update);
        file.writePercentage(Section, QStringLiteral("Y") + n, list.y);
    }
    batch.commit();
}

QStringList TLists::labels() const
{
    QStringList result;
    for (const TLista& list : m_lists)
        result.append(list.label);
    return result;
}

int TLists::refreshSeconds(int update, ServerProtocol protocol)
{
    if (update < 0 || update >= UpdateChoices)
        return -1;
    return protocol == ServerProtocol::Icc ? IccSeconds[update] : FicsSeconds[update];
}

QStringList TLists::updateTexts(ServerProtocol protocol)
{
    if (protocol == ServerProtocol::Icc)
        return {QStringLiteral("Never"), QStringLiteral("Every Second"),
                QStringLiteral("Every 5 Seconds"), QStringLiteral("Every 15 Seconds")};
    return {QStringLiteral("Never"), QStringLiteral("Every 15 seconds"),
            QStringLiteral("Every 30 seconds"), QStringLiteral("Every 1 minute")};
}

bool TLists::isCommandList(int position) const
{
    return position >= FirstListTab && position < count();
}

void TLists::setLabel(int position, const QString& label)
{
    if (isCommandList(position))
        m_lists[position].label = label;
}

void TLists::setCommand(int position, const QString& command)
{
    if (isCommandList(position))
        m_lists[position].command = command;
}

void TLists::setUpdate(int position, int update)
{
    if (isCommandList(position))
        m_lists[position].update = clampedUpdate(update);
}

int TLists::add()
{
    m_lists.append({NewLabel, {}, NeverUpdate, DefaultListY / 100.0f});
    return count() - 1;
}

void TLists::remove(int position)
{
    if (isCommandList(position))
        m_lists.removeAt(position);
}

int TLists::moveUp(int position)
{
    if (position <= FirstListTab || position >= count())
        return position;
    m_lists.swapItemsAt(position, position - 1);
    return position - 1;
}

int TLists::moveDown(int position)
{
    if (!isCommandList(position) || position == count() - 1)
        return position;
    m_lists.swapItemsAt(position, position + 1);
    return position + 1;
}
