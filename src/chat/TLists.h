#pragma once

#include <QList>
#include <QString>

class SettingsFile;

// One tab of the main window's tab row: the two fixed views and the user's
// command lists, whose captured output fills the list pane.
struct TLista
{
    QString label;
    QString command;
    int update = 0;  // automatic refresh: 0 never, 1 to 3 faster to slower
    float y = 0.4f;  // share of the window height for the upper pane on this tab
};

// The tabs in order: 0 "&Terminal", 1 "&Boards", then the command lists,
// kept in section "Lists" of the profile's settings file.
class TLists
{
public:
    static inline const QString Section = QStringLiteral("Lists");
    static constexpr int TerminalTab = 0;
    static constexpr int BoardsTab = 1;
    static constexpr int FirstListTab = 2;

    // The built-in entries, as a first run reads them.
    TLists();

    void Load(const SettingsFile& file);
    void Store(SettingsFile& file) const;

    int count() const { return int(m_lists.size()); }
    const TLista& at(int position) const { return m_lists.at(position); }
    QStringList labels() const;
    float y(int position) const { return m_lists.at(position).y; }
    void setY(int position, float y) { m_lists[position].y = y; }

private:
    QList<TLista> m_lists;
};
