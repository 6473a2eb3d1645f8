#pragma once

#include <QList>
#include <QString>

class SettingsFile;

// One user command template: "*" in the label or command stands for the picked handle.
struct TMouseAction
{
    QString Label;
    QString Command;

    bool operator==(const TMouseAction&) const = default;
};

// The mouse actions of the run: three built-in entries (tell, message, match) and the user's
// commands after them, shown as the first items of the terminal, chat and seek-graph menus.
class TMouseActions
{
public:
    static constexpr int MaxEntries = 30; // the menus have thirty action items
    static constexpr int PredefinedCount = 3;
    enum Predefined { TellEntry = 0, MessageEntry = 1, MatchEntry = 2 };
    static inline const QString Section = QStringLiteral("Mouse Actions");

    // What running an action asks of its caller.
    struct Run
    {
        enum class Kind { Nothing, Send, AskMatch };
        Kind kind = Kind::Nothing;
        QString command; // Send: the command; AskMatch: "Match " + handle
    };

    TMouseActions();

    // Reads the user's entries; the three built-in ones are always first.
    void load(const SettingsFile& settings);
    void store(SettingsFile& settings) const;

    const QList<TMouseAction>& entries() const { return m_entries; }
    // Takes a list edited in the dialog; the built-in entries stay, at most 30 entries.
    void setEntries(const QList<TMouseAction>& entries);

    int current() const { return m_current; }
    void setCurrent(int index);

    // The menu caption of entry index for the picked handle.
    QString caption(int index, const QString& target) const;

    // Makes index the current action and says what running it on target asks for.
    Run choose(int index, const QString& target);
    Run runCurrent(const QString& target) const;

    // The command with every "*" replaced by the handle, or the handle appended after a
    // space when the command has no "*". Only the handle the picked word begins with goes in,
    // so that server text never adds a second command ("^", line breaks).
    static QString expand(const QString& command, const QString& target);

    static QList<TMouseAction> predefined();
    static QList<TMouseAction> defaults(); // the user's entries of a first run

private:
    QList<TMouseAction> m_entries;
    int m_current = 0;
};
