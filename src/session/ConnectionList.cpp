#include "session/ConnectionList.h"

#include "settings/PasswordScramble.h"
#include "settings/SettingsBatch.h"
#include "settings/SettingsWriteError.h"
#include "session/GuestNamePool.h"
#include "session/LoginSteps.h"
#include "net/ServerProtocol.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

const QString NumberKey = QStringLiteral("Number");
const QString LastConnectionKey = QStringLiteral("LastConnection");
const QString AddressKey = QStringLiteral("Address");
const QString PortKey = QStringLiteral("Port");
const QString HandleKey = QStringLiteral("Handle");
const QString PlainPasswordKey = QStringLiteral("Password");
const QString ScrambledPasswordKey = QStringLiteral("Pwd");
const QString TimesealKey = QStringLiteral("Timeseal");
const QString TitleKey = QStringLiteral("Title");
const QString ProtocolKey = QStringLiteral("Protocol");

const QString SockServerKey = QStringLiteral("SockServer");
const QString SockPortKey = QStringLiteral("SockPort");
const QString SockLevelKey = QStringLiteral("SockLevel");
const QString SockPassKey = QStringLiteral("SockPass");
const QString SockUserCodeKey = QStringLiteral("SockUserCode");
const QString SockEnabledKey = QStringLiteral("SockEnabled");
const QString SockAuthKey = QStringLiteral("SockAuth");

constexpr int DefaultCount = 3;
constexpr int BasePort = 5000;
constexpr int IccPortSpread = 99; // ICC's default port is drawn from 5000 to 5098

// "Guest" and two capital letters from A to Y, as the public servers hand out.
QString randomGuestHandle(QRandomGenerator& random)
{
    QString handle = QStringLiteral("Guest");
    for (int letter = 0; letter < 2; ++letter)
        handle += QChar(u'A' + random.bounded(25));
    return handle;
}

} // namespace

ConnectionList::ConnectionList(SettingsFile file, QRandomGenerator& random)
    : m_file(std::move(file)), m_random(random)
{
}

QList<TConnection> ConnectionList::defaultEntries(QRandomGenerator& random)
{
    const QString guest = randomGuestHandle(random);
    const QString iccPort = QString::number(BasePort + random.bounded(IccPortSpread));
    const auto fics = int(ServerProtocol::Fics);
    return {
        {QStringLiteral("freechess.org"), QString::number(BasePort), guest, QString(), true,
         QStringLiteral("Fics"), fics},
        {QStringLiteral("chessclub.com"), iccPort, QStringLiteral("g"), QString(), true,
         QStringLiteral("ICC"), int(ServerProtocol::Icc)},
        {QStringLiteral("chess.unix-ag.uni-kl.de"), QString::number(BasePort), guest, QString(),
         true, QStringLiteral("Eics"), fics},
    };
}

QString ConnectionList::guestHandle(QRandomGenerator& random)
{
    return LoginSteps::GuestPrefix + GuestNamePool::pick(random);
}

void ConnectionList::load()
{
    m_writeProblem.reset();
    const int number =
        std::clamp(m_file.readInteger(Section, NumberKey, DefaultCount), 0, MaxEntries);
    const QList<TConnection> defaults = defaultEntries(m_random);
    m_entries.clear();
    for (int i = 0; i < number; ++i)
        m_entries.append(readEntry(i, i < defaults.size() ? defaults.at(i) : TConnection()));
    setLastConnection(m_file.readInteger(Section, LastConnectionKey, 0));
    m_firewall = readFirewall();
}

TConnection ConnectionList::readEntry(int index, const TConnection& byDefault)
{
    const QString n = QString::number(index);
    const QString plainPassword = m_file.readString(Section, PlainPasswordKey + n, QString());
    const bool keepPlain = !plainPassword.isEmpty() && !movePlainPassword(n, plainPassword);

    TConnection entry;
    entry.Address = m_file.readString(Section, AddressKey + n, byDefault.Address);
    entry.Port = m_file.readString(Section, PortKey + n, byDefault.Port);
    entry.Handle = m_file.readString(Section, HandleKey + n, byDefault.Handle);
    entry.Password =
        keepPlain ? plainPassword
                  : UnscramblePassword(m_file.readString(Section, ScrambledPasswordKey + n,
                                                         ScramblePassword(byDefault.Password)));
    entry.Timeseal = m_file.readBool(Section, TimesealKey + n, byDefault.Timeseal);
    entry.Title = m_file.readString(Section, TitleKey + n, byDefault.Title);
    entry.Protocol = m_file.readInteger(Section, ProtocolKey + n, byDefault.Protocol);
    return entry;
}

bool ConnectionList::movePlainPassword(const QString& index, const QString& plain)
{
    try {
        m_file.writeString(Section, ScrambledPasswordKey + index, ScramblePassword(plain));
        m_file.writeString(Section, PlainPasswordKey + index, QString());
        return true;
    } catch (const SettingsWriteError& error) {
        m_writeProblem = error.userMessage();
        return false;
    }
}

void ConnectionList::save()
{
    SettingsBatch batch(m_file);
    m_file.writeInteger(Section, NumberKey, count());
    m_file.writeInteger(Section, LastConnectionKey, std::max(m_lastConnection, 0));
    for (int i = 0; i < count(); ++i)
        writeEntry(i, m_entries.at(i));
    writeFirewall();
    batch.commit();
}

void ConnectionList::writeEntry(int index, const TConnection& entry)
{
    const QString n = QString::number(index);
    m_file.writeString(Section, AddressKey + n, entry.Address);
    m_file.writeString(Section, PortKey + n, entry.Port);
    m_file.writeString(Section, HandleKey + n, entry.Handle);
    m_file.writeString(Section, ScrambledPasswordKey + n, ScramblePassword(entry.Password));
    m_file.writeBool(Section, TimesealKey + n, entry.Timeseal);
    m_file.writeString(Section, TitleKey + n, entry.Title);
    m_file.writeInteger(Section, ProtocolKey + n, entry.Protocol);
}

FirewallSettings ConnectionList::readFirewall() const
{
    const FirewallSettings byDefault;
    FirewallSettings firewall;
    firewall.server = m_file.readString(FirewallSection, SockServerKey, byDefault.server);
    firewall.port = m_file.readString(FirewallSection, SockPortKey, byDefault.port);
    firewall.level = m_file.readString(FirewallSection, SockLevelKey, byDefault.level);
    firewall.password = m_file.readString(FirewallSection, SockPassKey, byDefault.password);
    firewall.userCode = m_file.readString(FirewallSection, SockUserCodeKey, byDefault.userCode);
    firewall.enabled = m_file.readBool(FirewallSection, SockEnabledKey, byDefault.enabled);
    firewall.authenticate = m_file.readBool(FirewallSection, SockAuthKey, byDefault.authenticate);
    return firewall;
}

void ConnectionList::writeFirewall()
{
    m_file.writeString(FirewallSection, SockServerKey, m_firewall.server);
    m_file.writeString(FirewallSection, SockPortKey, m_firewall.port);
    m_file.writeString(FirewallSection, SockLevelKey, m_firewall.level);
    m_file.writeString(FirewallSection, SockPassKey, m_firewall.password);
    m_file.writeString(FirewallSection, SockUserCodeKey, m_firewall.userCode);
    m_file.writeBool(FirewallSection, SockEnabledKey, m_firewall.enabled);
    m_file.writeBool(FirewallSection, SockAuthKey, m_firewall.authenticate);
}

void ConnectionList::setEntry(int index, const TConnection& entry)
{
    if (index >= 0 && index < count())
        m_entries[index] = entry;
}

void ConnectionList::setLastConnection(int index)
{
    m_lastConnection = m_entries.isEmpty() ? -1 : std::clamp(index, 0, count() - 1);
}

std::optional<ConnectionChoice> ConnectionList::lastUsedChoice() const
{
    if (m_lastConnection < 0)
        return std::nullopt;
    return ConnectionChoice{m_entries.at(m_lastConnection), m_firewall};
}

ConnectionList::AddResult ConnectionList::add(const QString& title)
{
    if (count() >= MaxEntries)
        return AddResult::TooMany;
    if (title.trimmed().isEmpty())
        return AddResult::EmptyTitle;
    TConnection entry;
    entry.Title = title;
    m_entries.append(entry);
    return AddResult::Added;
}

void ConnectionList::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    m_entries.removeAt(index);
    setLastConnection(std::min(index, count() - 1));
}
