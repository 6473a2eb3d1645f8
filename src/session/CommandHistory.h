#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The commands typed in this run, recalled as a terminal does: older steps back from
// the newest, newer steps forward again and past the newest returns to the text that
// was being typed when the recall began.
class CommandHistory
{
public:
    // Empty commands and a repeat of the newest are not kept. Ends any recall.
    void add(const QString& command);

    // The entry before the one shown; nothing at the oldest. current is the input's
    // text, kept when the recall begins.
    std::optional<QString> older(const QString& current);
    // The entry after the one shown, or the kept text after the newest; nothing when
    // no recall is going on.
    std::optional<QString> newer();

    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
    qsizetype m_position = 0; // == size while not recalling
    QString m_draft;
};
