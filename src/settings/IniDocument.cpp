#include "settings/IniDocument.h"

#include <QSet>

namespace {

std::optional<QString> sectionNameOf(const QByteArray& line)
{
    // Most lines are keys: the first non-blank character settles it without a copy.
    qsizetype first = 0;
    while (first < line.size() && (line.at(first) == ' ' || line.at(first) == '\t'))
        ++first;
    if (first == line.size() || line.at(first) != '[')
        return std::nullopt;
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.lastIndexOf(']');
    if (close < 1)
        return std::nullopt;
    return QString::fromLocal8Bit(trimmed.mid(1, close - 1).trimmed());
}

// Inside a section no line is a header: every header starts a section of its own.
bool isEntry(const QByteArray& line)
{
    return line.contains('=');
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

// Names match without regard to case: the index holds them folded.
QString folded(const QString& name)
{
    return name.toCaseFolded();
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
    m_sections.append(Section{});
    qsizetype start = 0;
    const qsizetype size = content.size();
    const auto addLine = [this](QByteArray line) {
        if (sectionNameOf(line))
            m_sections.append(Section{});
        m_sections.last().lines.append(std::move(line));
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n')
            continue;
        addLine(content.mid(start, i - start));
        if (c == '\r' && i + 1 < size && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        addLine(content.mid(start));
    indexSections();
}

void IniDocument::indexSections()
{
    m_sectionIndex.clear();
    for (qsizetype i = 1; i < m_sections.size(); ++i) {
        const QString name = folded(*sectionNameOf(m_sections.at(i).lines.constFirst()));
        if (!m_sectionIndex.contains(name))
            m_sectionIndex.insert(name, i);
    }
}

qsizetype IniDocument::findSection(const QString& section) const
{
    if (m_sections.isEmpty())
        return -1;
    return m_sectionIndex.value(folded(section), -1);
}

const QHash<QString, qsizetype>& IniDocument::keyIndex(const Section& section) const
{
    if (!section.indexed) {
        for (qsizetype i = 1; i < section.lines.size(); ++i) {
            const QByteArray& line = section.lines.at(i);
            if (!isEntry(line))
                continue;
            const QString key = folded(keyOf(line));
            if (!section.keyIndex.contains(key)) // the first of a repeated key wins
                section.keyIndex.insert(key, i);
        }
        section.indexed = true;
    }
    return section.keyIndex;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const qsizetype index = findSection(section);
    if (index < 0)
        return std::nullopt;
    const Section& found = m_sections.at(index);
    const qsizetype line = keyIndex(found).value(folded(key), -1);
    if (line < 0)
        return std::nullopt;
    return valueOf(found.lines.at(line));
}

bool IniDocument::hasSection(const QString& section) const
{
    return findSection(section) >= 0;
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList result;
    const qsizetype index = findSection(section);
    if (index < 0)
        return result;
    QSet<QString> seen;
    const QList<QByteArray>& lines = m_sections.at(index).lines;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!isEntry(lines.at(i)))
            continue;
        const QString key = keyOf(lines.at(i));
        const QString name = folded(key);
        if (!seen.contains(name)) {
            seen.insert(name);
            result.append(key);
        }
    }
    return result;
}

QStringList IniDocument::sectionLines(const QString& section) const
{
    QStringList result;
    for (const QString& key : keys(section))
        result.append(key + u'=' + *value(section, key));
    return result;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray valueBytes = oneLine(value);
    if (m_sections.isEmpty())
        m_sections.append(Section{});
    const qsizetype index = findSection(section);
    if (index < 0) {
        Section added;
        added.lines = {'[' + oneLine(section) + ']', oneLine(key) + '=' + valueBytes};
        m_sections.append(std::move(added));
        indexSections();
        return;
    }
    Section& found = m_sections[index];
    const QString name = folded(key);
    const qsizetype line = keyIndex(found).value(name, -1);
    if (line >= 0) {
        found.lines[line] = rawKeyOf(found.lines.at(line)) + '=' + valueBytes;
        return;
    }
    // After the section's last non-blank line, so a blank separator line stays
    // in front of the next section. Only blank lines move, and they hold no keys.
    qsizetype insertAt = found.lines.size();
    while (insertAt > 1 && found.lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    found.lines.insert(insertAt, oneLine(key) + '=' + valueBytes);
    found.keyIndex.insert(name, insertAt);
}

void IniDocument::eraseSection(const QString& section)
{
    const QString name = folded(section);
    if (!m_sectionIndex.contains(name))
        return;
    for (qsizetype i = m_sections.size() - 1; i >= 1; --i) {
        if (folded(*sectionNameOf(m_sections.at(i).lines.constFirst())) == name)
            m_sections.remove(i);
    }
    indexSections();
}

QByteArray IniDocument::toBytes() const
{
    qsizetype size = 0;
    for (const Section& section : m_sections) {
        for (const QByteArray& line : section.lines)
            size += line.size() + 2;
    }
    QByteArray result;
    result.reserve(size);
    for (const Section& section : m_sections) {
        for (const QByteArray& line : section.lines)
            result.append(line).append("\r\n");
    }
    return result;
}
