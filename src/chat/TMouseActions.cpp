#include "chat/TMouseActions.h"

#include "session/CommandWord.h"
#include "settings/SettingsFile.h"

namespace {

const QString CountKey = QStringLiteral("Count");
const QString LabelKey = QStringLiteral("Label");
const QString CommandKey = QStringLiteral("Command");

} // namespace

TMouseActions::TMouseActions() : m_entries(predefined() + defaults()) {}

QList<TMouseAction> TMouseActions::predefined()
{
    return {{QStringLiteral("&Tell *"), QString()},
            {QStringLiteral("&Message *"), QString()},
            {QStringLiteral("&Match *"), QString()}};
}

QList<TMouseAction> TMouseActions::defaults()
{
    return {{QStringLiteral("&Observe"), QStringLiteral("Observe *")},
            {QStringLiteral("&Play"), QStringLiteral("Play *")},
            {QStringLiteral("&Finger"), QStringLiteral("Finger *")},
            {QStringLiteral("&History"), QStringLiteral("History *")},
            {QStringLiteral("&Assess"), QStringLiteral("Assess *")},
            {QStringLiteral("&Variables"), QStringLiteral("Vars *")},
            {QStringLiteral("P&Stat"), QStringLiteral("PStat *")},
            {QStringLiteral("Pa&rtner"), QStringLiteral("Partner *")},
            {QStringLiteral("&Follow"), QStringLiteral("Follow *")},
            {QStringLiteral("H&elp"), QStringLiteral("Help *")},
            {QStringLiteral("Hello"), QStringLiteral("Tell * Hello.")},
            {QStringLiteral("Salute"), QStringLiteral("I salutes *.")},
            {QStringLiteral("Goodbye"), QStringLiteral("Tell * Goodbye.")}};
}

void TMouseActions::load(const SettingsFile& settings)
{
    const QList<TMouseAction> byDefault = defaults();
    // More than the menus can show would never be reachable; a negative count means none.
    const int count = qBound(0, settings.readInteger(Section, CountKey, int(byDefault.size())),
                             MaxEntries - PredefinedCount);
    m_entries = predefined();
    for (int i = 0; i < count; ++i) {
        const TMouseAction& fallback = byDefault.at(qMin<qsizetype>(i, byDefault.size() - 1));
        const QString index = QString::number(i + PredefinedCount);
        m_entries.append({settings.readString(Section, LabelKey + index, fallback.Label),
                          settings.readString(Section, CommandKey + index, fallback.Command)});
    }
    m_current = qMin(m_current, int(m_entries.size()) - 1);
}

void TMouseActions::store(SettingsFile& settings) const
{
    settings.writeInteger(Section, CountKey, qint32(m_entries.size() - PredefinedCount));
    for (qsizetype i = PredefinedCount; i < m_entries.size(); ++i) {
        const QString index = QString::number(i);
        settings.writeString(Section, LabelKey + index, m_entries.at(i).Label);
        settings.writeString(Section, CommandKey + index, m_entries.at(i).Command);
    }
}

void TMouseActions::setEntries(const QList<TMouseAction>& entries)
{
    m_entries = predefined() + entries.mid(PredefinedCount, MaxEntries - PredefinedCount);
    m_current = qMin(m_current, int(m_entries.size()) - 1);
}

void TMouseActions::setCurrent(int index)
{
    if (index >= 0 && index < m_entries.size())
        m_current = index;
}

QString TMouseActions::caption(int index, const QString& target) const
{
    QString label = m_entries.value(index).Label;
    const QString handle = CommandWord::leadingHandle(target);
    if (label.contains(u'*') && !handle.isEmpty())
        label.replace(u'*', handle);
    return label;
}

TMouseActions::Run TMouseActions::choose(int index, const QString& target)
{
    setCurrent(index);
    return runCurrent(target);
}

TMouseActions::Run TMouseActions::runCurrent(const QString& target) const
{
    const QString handle = CommandWord::leadingHandle(target);
    switch (m_current) {
    case TellEntry:
    case MessageEntry:
        return {};
    case MatchEntry:
        if (handle.isEmpty())
            return {};
        return {Run::Kind::AskMatch, QStringLiteral("Match ") + handle};
    default: {
        const QString command = expand(m_entries.value(m_current).Command, handle);
        if (command.trimmed().isEmpty())
            return {};
        return {Run::Kind::Send, command};
    }
    }
}

QString TMouseActions::expand(const QString& command, const QString& target)
{
    const QString handle = CommandWord::leadingHandle(target);
    // A template typed in the dialog is one command: a line break in it would send two.
    QString expanded = command;
    expanded.replace(u'\r', u' ').replace(u'\n', u' ');
    if (expanded.contains(u'*'))
        return expanded.replace(u'*', handle);
    if (expanded.isEmpty())
        return {};
    return expanded + u' ' + handle;
}

