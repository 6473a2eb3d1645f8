#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct VarsReply;

// The values and change marks of the variables window's fields, in the order of
// VarsFields::all(). An index field holds the position of its choice as text
// ("-1": no choice); a text field its text. Values a fill sets are unmarked,
// values the user changes are marked, and sending clears every mark, so a
// later "Set Variables" never repeats old values.
class VarsState
{
public:
    VarsState();

    int count() const { return int(m_values.size()); }
    const QString& value(int field) const { return m_values.at(field); }
    int choice(int field) const;
    bool isMarked(int field) const { return m_marked.at(field); }

    // The user changed a field.
    void userChange(int field, const QString& value);
    // Fields of the reply's variables take its values and lose their marks.
    // Returns the fields set. An index value that is not a choice's position
    // selects no choice.
    QList<int> fill(const VarsReply& reply);

    // One "set name value" per marked field, in the server's order; the marks are cleared.
    QStringList takeSetCommands();

private:
    QList<QString> m_values;
    QList<bool> m_marked;
};
