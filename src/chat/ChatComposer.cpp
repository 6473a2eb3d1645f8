#include "chat/ChatComposer.h"

#include <array>

namespace ChatComposer {

namespace {

struct TypeTexts
{
    const char* caption;
    const char* fics;
    const char* icc;
};

constexpr std::array<TypeTexts, MessageTypeCount> Types{{
    {"Comman&d", "", ""},
    {"&Tell", "Tell ", "Tell "},
    {"&Say", "Say ", "Say "},
    {"&Kibitz", "Kibitz ", "Kibitz "},
    {"&Whisper", "Whisper ", "Whisper "},
    {"S&hout", "Shout ", "Shout "},
    {"CSh&out", "CShout ", "SShout "},
    {"&I", "It ", "I "},
    {"&PTell", "PTell ", "PTell "},
    {"&Message", "Message ", "Message "},
}};

const TypeTexts& textsOf(MessageType type)
{
    return Types[std::size_t(type)];
}

} // namespace

QString tabCaption(MessageType type)
{
    return QString::fromLatin1(textsOf(type).caption);
}

QString prefix(MessageType type, Protocol protocol)
{
    return QString::fromLatin1(protocol == Protocol::Icc ? textsOf(type).icc
                                                         : textsOf(type).fics);
}

bool takesRecipients(MessageType type)
{
    return type == MessageType::Tell || type == MessageType::Message;
}

QStringList recipients(const QString& recipientText)
{
    return recipientText.split(u' ', Qt::SkipEmptyParts).mid(0, MaxRecipients);
}

QStringList pieces(const QString& text, Protocol protocol)
{
    QString flat = text;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const int length = protocol == Protocol::Icc ? IccPieceLength : FicsPieceLength;
    QStringList result;
    for (qsizetype at = 0; at < flat.size(); at += length)
        result.append(flat.mid(at, length));
    return result;
}

QStringList compose(MessageType type, Protocol protocol, const QString& recipientText,
                    const QString& text)
{
    const QString head = prefix(type, protocol);
    const QStringList to = recipients(recipientText);
    QStringList commands;
    for (const QString& piece : pieces(text, protocol)) {
        if (!takesRecipients(type)) {
            commands.append(head + piece);
            continue;
        }
        for (const QString& recipient : to)
            commands.append(head + recipient + u' ' + piece);
    }
    return commands;
}

} // namespace ChatComposer
