#pragma once

#include "net/ServerProtocol.h"

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
    // More command lists than this in a settings file are not read: a tab row
    // cannot show them, and a wild count must not make loading endless.
    static constexpr int MaxListCount = 100;
    static constexpr int NeverUpdate = 0;
    static constexpr int UpdateChoices = 4; // 0 never, 1 to 3

    // The built-in entries, as a first run reads them.
    TLists();

    void Load(const SettingsFile& file);
    void Store(SettingsFile& file) const;

    int count() const { return int(m_lists.size()); }
    const TLista& at(int position) const { return m_lists.at(position); }
    QStringList labels() const;
    float y(int position) const { return m_lists.at(position).y; }
    void setY(int position, float y) { m_lists[position].y = y; }

    // Seconds between automatic requests of a list; -1 for never (also for an
    // Update outside the table).
    static int refreshSeconds(int update, ServerProtocol protocol);
    // The lists dialog's texts of the four Update choices.
    static QStringList updateTexts(ServerProtocol protocol);

    // The lists dialog's edits; the two fixed tabs are never changed.
    bool isCommandList(int position) const;
    void setLabel(int position, const QString& label);
    void setCommand(int position, const QString& command);
    void setUpdate(int position, int update);
    // Appends a list labelled "New"; returns its position.
    int add();
    void remove(int position);
    // Moves a list one place up or down; returns its new position.
    int moveUp(int position);
    int moveDown(int position);

private:
    QList<TLista> m_lists;
};
