#include "settings/ProfileList.h"

#include "settings/PasswordScramble.h"
#include "settings/SettingsBatch.h"

#include <QSet>

#include <algorithm>

namespace {

const QString CountKey = QStringLiteral("Count");
const QString NameKey = QStringLiteral("Name");
const QString LastKey = QStringLiteral("Last");
const QString DoNotShowKey = QStringLiteral("DoNotShow");

} // namespace

ProfileList::ProfileList(SettingsFile shared) : m_shared(std::move(shared)) {}

void ProfileList::load()
{
    m_names.clear();
    m_doNotShow = m_shared.readBool(Section, DoNotShowKey, false);
    const qint32 count = m_shared.readInteger(Section, CountKey, 0);
    // A set and one sort instead of a search and an insert per name: thousands of
    // profiles load in a moment.
    QSet<QString> seen;
    for (qint32 n = 1; n <= count; ++n) {
        const QString name = m_shared.readString(Section, NameKey + QString::number(n), QString());
        if (name.isEmpty() || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        m_names.append(name);
    }
    std::stable_sort(m_names.begin(), m_names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    if (m_names.isEmpty())
        m_names.append(DefaultProfile);
    const QString last = m_shared.readString(Section, LastKey, QString());
    m_selected = m_names.contains(last) ? last : m_names.first();
}

void ProfileList::insertSorted(const QString& name)
{
    const auto at = std::upper_bound(m_names.begin(), m_names.end(), name,
                                     [](const QString& a, const QString& b) {
                                         return a.compare(b, Qt::CaseInsensitive) < 0;
                                     });
    m_names.insert(at, name);
}

void ProfileList::select(const QString& name)
{
    if (m_names.contains(name))
        m_selected = name;
}

ProfileList::PasswordResult ProfileList::checkPassword(const QString& typed)
{
    const QString stored =
        UnscramblePassword(m_shared.readString(Section, m_selected, QString()));
    if (stored == typed)
        return PasswordResult::Accepted;
    if (!stored.isEmpty())
        return PasswordResult::Invalid;
    m_shared.writeString(Section, m_selected, ScramblePassword(typed));
    return PasswordResult::Accepted;
}

bool ProfileList::selectedHasPassword() const
{
    return !m_shared.readString(Section, m_selected, QString()).isEmpty();
}

QString ProfileList::find(const QString& name) const
{
    for (const QString& known : m_names) {
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return known;
    }
    return QString();
}

ProfileList::AddResult ProfileList::add(const QString& name)
{
    if (name.isEmpty())
        return AddResult::Ignored;
    if (m_names.contains(name, Qt::CaseInsensitive))
        return AddResult::AlreadyExists;
    insertSorted(name);
    m_selected = name;
    return AddResult::Added;
}

bool ProfileList::removeSelected()
{
    if (m_names.size() < 2)
        return false;
    m_names.removeOne(m_selected);
    m_selected = m_names.first();
    return true;
}

void ProfileList::save()
{
    SettingsBatch batch(m_shared);
    for (qsizetype i = 0; i < m_names.size(); ++i)
        m_shared.writeString(Section, NameKey + QString::number(i + 1), m_names.at(i));
    m_shared.writeInteger(Section, CountKey, qint32(m_names.size()));
    m_shared.writeString(Section, LastKey, m_selected);
    m_shared.writeBool(Section, DoNotShowKey, m_doNotShow);
    batch.commit();
}
