#include "lists/VarsState.h"

#include "lists/VarsFields.h"
#include "lists/VarsReply.h"

namespace {

const QString NoChoice = QStringLiteral("-1");

QString fieldValue(const VarsFields::Field& field, const QString& text)
{
    if (field.kind != VarsFields::Kind::Index)
        return text;
    bool ok = false;
    const int position = text.toInt(&ok);
    return (ok && position >= 0 && position < field.choices.size()) ? QString::number(position)
                                                                    : NoChoice;
}

QString initialValue(const VarsFields::Field& field)
{
    if (field.kind == VarsFields::Kind::Index)
        return NoChoice;
    return field.choices.value(0);
}

} // namespace

VarsState::VarsState()
{
    for (const VarsFields::Field& field : VarsFields::all()) {
        m_values.append(initialValue(field));
        m_marked.append(false);
    }
}

int VarsState::choice(int field) const
{
    return m_values.at(field).toInt();
}

void VarsState::userChange(int field, const QString& value)
{
    if (VarsFields::all().at(field).readOnly)
        return;
    m_values[field] = fieldValue(VarsFields::all().at(field), value);
    m_marked[field] = true;
}

QList<int> VarsState::fill(const VarsReply& reply)
{
    QList<int> set;
    for (const auto& [name, value] : reply.values) {
        const int field = VarsFields::indexOf(name);
        if (field < 0)
            continue;
        m_values[field] = fieldValue(VarsFields::all().at(field), value);
        m_marked[field] = false;
        if (!set.contains(field))
            set.append(field);
    }
    return set;
}

QStringList VarsState::takeSetCommands()
{
    QStringList commands;
    for (const QString& name : VarsFields::sendOrder()) {
        const int field = VarsFields::indexOf(name);
        if (field < 0 || !m_marked[field])
            continue;
        commands.append(QStringLiteral("set %1 %2").arg(name, m_values[field]));
        m_marked[field] = false;
    }
    return commands;
}
