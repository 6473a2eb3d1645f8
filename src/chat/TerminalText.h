#pragma once

#include <QString>

#include <optional>

// The text rules of the terminal and the chat panes: where a line's link is,
// which speaker a channel tell has, and what a click on a line picks or opens.
// Lines are the text of one pane line, columns are offsets into it.
namespace TerminalText {

// Only the first this many characters of a clicked line are looked at.
constexpr int MaxClickedLineLength = 159;

// The chat panes also stop links at "-".
enum class LinkCharacters { Terminal, Chat };

bool isNameCharacter(QChar c);
bool isLinkCharacter(QChar c, LinkCharacters rules = LinkCharacters::Terminal);

struct Span
{
    int first; // inclusive
    int last;  // inclusive

    friend bool operator==(const Span&, const Span&) = default;
};

// The one link of a line, if any.
std::optional<Span> FindLink(const QString& line,
                             LinkCharacters rules = LinkCharacters::Terminal);

struct Speaker
{
    QString handle;
    QString channel; // "(50)", or empty
};

// 'Anna(TM)(50)' -> handle 'Anna', channel '(50)'.
Speaker SplitChannelSpeaker(const QString& speaker);

// The address a click at column opens, or none when the click is on no link.
std::optional<QString> linkAddressAt(const QString& line, int column,
                                     LinkCharacters rules = LinkCharacters::Terminal);

// Only these schemes are handed to the desktop; anything else a server line
// could spell ("file:", "javascript:") is refused.
bool isOpenableAddress(const QString& address);

struct WordRange
{
    int start;
    int length;
};

// The run of name characters around column (empty when there is none).
WordRange wordAt(const QString& line, int column);

} // namespace TerminalText
