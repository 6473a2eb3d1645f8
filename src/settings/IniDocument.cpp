#include "settings/IniDocument.h"

namespace {

std::optional<QString> sectionNameOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.lastIndexOf(']');
    if (close < 1)
        return std::nullopt;
    return QString::fromLocal8Bit(trimmed.mid(1, close - 1).trimmed());
}

bool isEntry(const QByteArray& line)
{
    return line.contains('=') && !sectionNameOf(line);
}

QByteArray rawKeyOf(const QByteArray& line)
{
    return line.left(line.indexOf('=')).trimmed();
}

QString keyOf(const QByteArray& line)
{
    return QString::fromLocal8Bit(rawKeyOf(line));
}

QString valueOf(const QByteArray& line)
{
    QByteArray raw = line.mid(line.indexOf('=') + 1).trimmed();
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
        raw.back() == raw.front())
        raw = raw.mid(1, raw.size() - 2);
    QString text = QString::fromLocal8Bit(raw);
    if (text.size() > IniDocument::MaxValueLength) {
        text.truncate(IniDocument::MaxValueLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value with a line break would start a new line in the file and could
// forge keys or sections; it is written on one line instead.
QByteArray oneLine(const QString& text)
{
    QByteArray bytes = text.toLocal8Bit();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

} // namespace

IniDocument::IniDocument(const QByteArray& content)
{
    qsizetype start = 0;
    const qsizetype size = content.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n')
            continue;
        m_lines.append(content.mid(start, i - start));
        if (c == '\r' && i + 1 < size && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        m_lines.append(content.mid(start));
}

IniDocument::Range IniDocument::findSection(const QString& section, qsizetype from) const
{
    Range range;
    for (qsizetype i = from; i < m_lines.size(); ++i) {
        const std::optional<QString> name = sectionNameOf(m_lines.at(i));
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = m_lines.size();
    return range;
}

qsizetype IniDocument::findKey(const Range& range, const QString& key) const
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QByteArray& line = m_lines.at(i);
        if (isEntry(line) && sameName(keyOf(line), key))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const Range range = findSection(section);
    if (range.header < 0)
        return std::nullopt;
    const qsizetype index = findKey(range, key);
    if (index < 0)
        return std::nullopt;
    return valueOf(m_lines.at(index));
}

bool IniDocument::hasSection(const QString& section) const
{
    return findSection(section).header >= 0;
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList result;
    const Range range = findSection(section);
    if (range.header < 0)
        return result;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QByteArray& line = m_lines.at(i);
        if (!isEntry(line))
            continue;
        const QString key = keyOf(line);
        if (!result.contains(key, Qt::CaseInsensitive))
            result.append(key);
    }
    return result;
}

QStringList IniDocument::sectionLines(const QString& section) const
{
    QStringList result;
    const Range range = findSection(section);
    for (const QString& key : keys(section))
        result.append(key + u'=' + valueOf(m_lines.at(findKey(range, key))));
    return result;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray valueBytes = oneLine(value);
    const Range range = findSection(section);
    if (range.header < 0) {
        m_lines.append('[' + oneLine(section) + ']');
        m_lines.append(oneLine(key) + '=' + valueBytes);
        return;
    }
    const qsizetype index = findKey(range, key);
    if (index >= 0) {
        m_lines[index] = rawKeyOf(m_lines.at(index)) + '=' + valueBytes;
        return;
    }
    // After the section's last non-blank line, so a blank separator line stays
    // in front of the next section.
    qsizetype insertAt = range.header + 1;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (!m_lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
    }
    m_lines.insert(insertAt, oneLine(key) + '=' + valueBytes);
}

void IniDocument::eraseSection(const QString& section)
{
    for (Range range = findSection(section); range.header >= 0;
         range = findSection(section, range.header))
        m_lines.remove(range.header, range.end - range.header);
}

QByteArray IniDocument::toBytes() const
{
    QByteArray result;
    for (const QByteArray& line : m_lines)
        result += line + "\r\n";
    return result;
}
