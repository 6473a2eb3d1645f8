#include "support/ReplayEvents.h"

#include "JsonText.h"

using JsonText::quoted;

namespace ReplayEvents {

namespace {
QByteArray num(int n)
{
    return QByteArray::number(n);
}
} // namespace

QByteArray line(const QByteArray& text, int kind, const QByteArray& key)
{
    return "{\"ev\":\"line\",\"kind\":" + num(kind) + ",\"key\":" + quoted(key)
           + ",\"text\":" + quoted(text) + "}";
}

QByteArray partial(const QByteArray& text, int kind)
{
    return "{\"ev\":\"partial\",\"kind\":" + num(kind) + ",\"text\":" + quoted(text) + "}";
}

QByteArray suppressed(const QByteArray& text)
{
    return "{\"ev\":\"suppressed\",\"text\":" + quoted(text) + "}";
}

QByteArray captured(const QByteArray& text)
{
    return "{\"ev\":\"captured\",\"text\":" + quoted(text) + "}";
}

QByteArray capture(int n, const QByteArrayList& lines)
{
    QByteArrayList items;
    for (const QByteArray& l : lines)
        items.append(quoted(l));
    return "{\"ev\":\"capture\",\"n\":" + num(n) + ",\"lines\":[" + items.join(',') + "]}";
}

QByteArray sound(const QByteArray& name)
{
    return "{\"ev\":\"sound\",\"name\":" + quoted(name) + "}";
}

QByteArray send(const QByteArray& text)
{
    return "{\"ev\":\"send\",\"text\":" + quoted(text) + "}";
}

QByteArray board(const QByteArray& call, int game, const QByteArray& text)
{
    QByteArray json = "{\"ev\":\"board\",\"call\":" + quoted(call);
    if (game >= 0)
        json += ",\"game\":" + num(game);
    if (!text.isEmpty())
        json += ",\"text\":" + quoted(text);
    return json + "}";
}

namespace {
QByteArray chat(const char* route, const QByteArray& text, int kind, const QByteArray& speaker,
                const QByteArray& other, const char* main)
{
    QByteArray json = QByteArray("{\"ev\":\"chat\",\"route\":\"") + route + "\",\"kind\":"
                      + num(kind) + ",\"speaker\":" + quoted(speaker) + ",\"other\":" + quoted(other);
    if (main)
        json += QByteArray(",\"main\":") + main;
    return json + ",\"text\":" + quoted(text) + "}";
}
} // namespace

QByteArray fanOut(const QByteArray& text, int kind, const QByteArray& speaker,
                  const QByteArray& other, bool main)
{
    return chat("fanout", text, kind, speaker, other, main ? "true" : "false");
}

QByteArray direct(const QByteArray& text, int kind, const QByteArray& speaker,
                  const QByteArray& other)
{
    return chat("direct", text, kind, speaker, other, nullptr);
}

QByteArray channel(const QByteArray& text, const QByteArray& speaker, const QByteArray& other)
{
    return chat("channel", text, 5, speaker, other, nullptr);
}

} // namespace ReplayEvents
