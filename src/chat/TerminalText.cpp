#include "chat/TerminalText.h"

#include <QStringList>
#include <QUrl>

#include <array>

namespace TerminalText {

namespace {

constexpr std::array<const char*, 5> FixedStartAnchors{"HTTP:", "FTP:", "WWW.", "FTP.", "MAILTO:"};
constexpr std::array<const char*, 5> FreeStartAnchors{"@", ".EDU", ".NET", ".COM", ".HTM"};
constexpr std::array<const char*, 5> TitleMarkers{"(U)", "(*)", "(TM)", "(SR)", "(C)"};

char16_t asciiUpper(char16_t c)
{
    return c >= 'a' && c <= 'z' ? char16_t(c - 'a' + 'A') : c;
}

bool anchorAt(QStringView line, qsizetype at, const char* anchor)
{
    for (qsizetype i = 0; anchor[i] != 0; ++i) {
        if (at + i >= line.size() || asciiUpper(line[at + i].unicode()) != char16_t(anchor[i]))
            return false;
    }
    return true;
}

// Where the first anchor of the list (in the list's order) that the line holds
// stands, ignoring case. Every line shown is searched, so this is one pass over
// the line that tries an anchor only where its first character stands.
template <std::size_t N>
qsizetype firstAnchor(QStringView line, const std::array<const char*, N>& anchors)
{
    std::array<qsizetype, N> found;
    found.fill(-1);
    std::size_t earliestListed = N; // the first of the list found so far
    for (qsizetype at = 0; at < line.size() && earliestListed > 0; ++at) {
        const char16_t c = asciiUpper(line[at].unicode());
        for (std::size_t k = 0; k < earliestListed; ++k) {
            if (char16_t(anchors[k][0]) == c && anchorAt(line, at, anchors[k])) {
                found[k] = at;
                earliestListed = k;
            }
        }
    }
    return earliestListed < N ? found[earliestListed] : -1;
}

bool containsAny(const QString& upper, std::initializer_list<const char*> parts)
{
    for (const char* part : parts) {
        if (upper.contains(QLatin1String(part)))
            return true;
    }
    return false;
}

// "HTTP:host" becomes "HTTP://host".
QString withDoubleSlash(const QString& token, const QString& upper, const QString& scheme)
{
    const QString colon = scheme + u':';
    const qsizetype at = upper.indexOf(colon);
    if (at < 0 || upper.contains(colon + QStringLiteral("//")))
        return token;
    return colon + QStringLiteral("//") + token.mid(at + colon.size(), 255);
}

} // namespace

bool isNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-';
}

bool isLinkCharacter(QChar c, LinkCharacters rules)
{
    const char16_t u = c.unicode();
    if (u <= 32 || u == '(' || u == ')' || u == ',' || u == ';' || u == '[' || u == ']')
        return false;
    return rules == LinkCharacters::Terminal || u != '-';
}

std::optional<Span> FindLink(const QString& line, LinkCharacters rules)
{
    qsizetype anchor = firstAnchor(line, FixedStartAnchors);
    const bool freeStart = anchor < 0;
    if (freeStart)
        anchor = firstAnchor(line, FreeStartAnchors);
    if (anchor < 0)
        return std::nullopt;

    qsizetype start = anchor;
    qsizetype end = anchor;
    if (freeStart) {
        while (start > 0 && isLinkCharacter(line.at(start - 1), rules))
            --start;
    }
    while (end + 1 < line.size() && isLinkCharacter(line.at(end + 1), rules))
        ++end;
    while (start < end && !isNameCharacter(line.at(start)))
        ++start;
    while (end > start && !isNameCharacter(line.at(end)))
        --end;

    if (end - start < 5 || (freeStart && start >= anchor) || end <= anchor)
        return std::nullopt;
    return Span{int(start), int(end)};
}

Speaker SplitChannelSpeaker(const QString& speaker)
{
    QString text = speaker;
    for (const char* marker : TitleMarkers) {
        const qsizetype at = text.indexOf(QLatin1String(marker));
        if (at >= 0)
            text.replace(at, qsizetype(qstrlen(marker)), u' ');
    }
    Speaker result;
    const qsizetype open = text.indexOf(u'(');
    if (open < 0)
        return result;
    result.handle = text.left(open).trimmed();
    // Titles nobody listed ('mamer(TD)(49)') come before the channel, which is
    // the last bracketed group of digits. Scanned by hand: every channel line of
    // every chat window passes here.
    qsizetype channelStart = -1;
    qsizetype channelEnd = -1;
    for (qsizetype i = text.indexOf(u'('); i >= 0; i = text.indexOf(u'(', i + 1)) {
        qsizetype j = i + 1;
        while (j < text.size() && text.at(j).isDigit())
            ++j;
        if (j > i + 1 && j < text.size() && text.at(j) == u')') {
            channelStart = i;
            channelEnd = j;
        }
    }
    if (channelStart >= 0) {
        result.channel = text.mid(channelStart, channelEnd - channelStart + 1);
        return result;
    }
    QString collected;
    for (qsizetype i = open + 1; i < text.size() - 1 && text.at(i) != u')'; ++i)
        collected += text.at(i);
    if (!collected.isEmpty())
        result.channel = u'(' + collected + u')';
    return result;
}

std::optional<QString> linkAddressAt(const QString& fullLine, int column, LinkCharacters rules)
{
    const QString line = fullLine.left(MaxClickedLineLength);
    int tokenStart = column;
    while (tokenStart > 0 && tokenStart <= line.size() &&
           isLinkCharacter(line.at(tokenStart - 1), rules))
        --tokenStart;
    int tokenEnd = tokenStart;
    while (tokenEnd < line.size() && isLinkCharacter(line.at(tokenEnd), rules))
        ++tokenEnd;
    if (tokenStart >= tokenEnd)
        return std::nullopt;

    QString token = line.mid(tokenStart, tokenEnd - tokenStart);
    while (!token.isEmpty() && !isNameCharacter(token.back()))
        token.chop(1);
    while (!token.isEmpty() && !isNameCharacter(token.front()))
        token.remove(0, 1);
    if (token.size() < 6)
        return std::nullopt;

    const QString upper = token.toUpper();
    QString address;
    if (containsAny(upper, {"HTTP:", "FTP:", ".HTM"})) {
        address = token;
    } else if (const qsizetype at = token.indexOf(u'@'); at > 0 && at < token.size() - 1) {
        int before = tokenStart;
        while (before > 0 && isNameCharacter(line.at(before - 1)))
            --before;
        address = line.mid(before, tokenStart - before) + token;
        if (!upper.contains(QLatin1String("MAILTO:")))
            address.prepend(QStringLiteral("mailto:"));
    } else if (containsAny(upper, {"WWW.", ".EDU", ".COM", ".NET"})) {
        address = QStringLiteral("HTTP://") + token;
    } else if (upper.contains(QLatin1String("FTP."))) {
        address = QStringLiteral("FTP://") + token;
    } else {
        return std::nullopt;
    }
    address = withDoubleSlash(address, address.toUpper(), QStringLiteral("HTTP"));
    return withDoubleSlash(address, address.toUpper(), QStringLiteral("FTP"));
}

bool isOpenableAddress(const QString& address)
{
    const QString scheme = QUrl(address).scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"ftp" || scheme == u"mailto";
}

WordRange wordAt(const QString& fullLine, int column)
{
    const QString line = fullLine.left(MaxClickedLineLength);
    int start = column;
    while (start > 0 && start <= line.size() && isNameCharacter(line.at(start - 1)))
        --start;
    int end = start;
    while (end < line.size() && isNameCharacter(line.at(end)))
        ++end;
    return {start, end - start};
}

} // namespace TerminalText
