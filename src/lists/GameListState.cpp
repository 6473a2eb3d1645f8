#include "lists/GameListState.h"

#include "session/CommandWord.h"

#include <QMap>

namespace {

constexpr int ShortestLine = 10;
constexpr int InitialRows = 10;

const QMap<GameListKind::Id, QString> RequestIdentifiers{
    {GameListKind::Stored, QStringLiteral("101")},
    {GameListKind::Journal, QStringLiteral("102")},
    {GameListKind::History, QStringLiteral("100")},
};

} // namespace

GameListState::GameListState(GameListKind::Id kind)
    : m_kind(GameListKind::of(kind)), m_caption(m_kind.builtInCaption)
{
    for (int i = 0; i < InitialRows; ++i) {
        Row row(m_kind.columns.size());
        row[0] = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        m_rows.append(row);
    }
}

void GameListState::resetRows()
{
    m_rows.clear();
    for (int i = 0; i < m_kind.rowCount; ++i)
        m_rows.append(Row(m_kind.columns.size()));
}

GameListState::Row GameListState::cutRow(const QString& line) const
{
    Row row;
    for (const GameListKind::Column& column : m_kind.columns)
        row.append(line.mid(column.first - 1, column.last - column.first + 1));
    return row;
}

bool GameListState::fill(const QList<QByteArray>& lines)
{
    resetRows();
    bool titled = false;
    int filled = 0;
    for (const QByteArray& raw : lines) {
        QString line = QString::fromLatin1(raw).trimmed();
        if (line.size() < ShortestLine)
            continue;
        if (line.contains(m_kind.titleMarker)) {
            const QStringList words = line.simplified().split(u' ');
            // The owner word ends with the colon after the handle.
            QString word = words.value(m_kind.ownerWord);
            word.chop(1);
            const QString handle = CommandWord::handle(word);
            if (handle.isEmpty())
                continue;
            m_owner = handle;
            m_caption = m_kind.captionPrefix + handle;
            titled = true;
            continue;
        }
        const bool gameLine = line.size() >= m_kind.minimumLength &&
                              (!m_kind.needsPercent || line.startsWith(u'%'));
        if (!gameLine)
            continue;
        if (m_kind.alignOneDigit && line.size() > 1 && line[1] == u':')
            line.prepend(u' ');
        if (filled < m_kind.rowCount)
            m_rows[filled] = cutRow(line);
        ++filled;
    }
    return titled;
}

QString GameListState::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    return m_rows[row].value(column).trimmed();
}

QString GameListState::number(int row) const
{
    return CommandWord::gameNumber(cell(row, 0));
}

QString GameListState::opponent(int row) const
{
    QString name = cell(row, m_kind.opponentColumn);
    if (m_kind.blackColumn >= 0 && name.toUpper() == m_owner.toUpper())
        name = cell(row, m_kind.blackColumn);
    if (name.startsWith(u'*'))
        name.remove(0, 1);
    return CommandWord::handle(name);
}

QString GameListState::adjudicateLabel(int row) const
{
    const QString other = opponent(row);
    const bool ownerWhite = cell(row, 1) == QLatin1String("W");
    return QStringLiteral("message adjudicate %1 %2")
        .arg(ownerWhite ? m_owner : other, ownerWhite ? other : m_owner);
}

QString GameListState::requestFor(const QString& handle) const
{
    return QStringLiteral("iset block 1^%1 %2%3^999 iset block 0")
        .arg(RequestIdentifiers.value(m_kind.id), m_kind.requestCommand, handle);
}
