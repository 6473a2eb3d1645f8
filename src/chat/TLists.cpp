#include "chat/TLists.h"

#include "settings/SettingsBatch.h"
#include "settings/SettingsFile.h"

#include <QStringList>

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
    const qint32 listCount = file.readInteger(Section, QStringLiteral("ListCount"), 12);
    for (qint32 i = 0; i < listCount; ++i) {
        const ListDefault& row = ListDefaults[std::min<std::size_t>(i, ListDefaults.size() - 1)];
        const QString n = QString::number(i + FirstListTab);
        m_lists.append(
            {file.readString(Section, QStringLiteral("Label") + n, QLatin1String(row.label)),
             file.readString(Section, QStringLiteral("Command") + n, QLatin1String(row.command)),
             file.readInteger(Section, QStringLiteral("Update") + n, row.update),
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
