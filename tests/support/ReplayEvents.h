#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The replay tool's JSON events, built from their fields, for expected values in tests.
namespace ReplayEvents {

QByteArray line(const QByteArray& text, int kind = 0, const QByteArray& key = {});
QByteArray partial(const QByteArray& text, int kind = 0);
QByteArray suppressed(const QByteArray& text);
QByteArray captured(const QByteArray& text);
QByteArray capture(int n, const QByteArrayList& lines);
QByteArray sound(const QByteArray& name);
QByteArray send(const QByteArray& text);
// game < 0 and text empty leave the fields out, as for calls without them.
QByteArray board(const QByteArray& call, int game = -1, const QByteArray& text = {});
QByteArray fanOut(const QByteArray& text, int kind, const QByteArray& speaker,
                  const QByteArray& other, bool main);
QByteArray direct(const QByteArray& text, int kind, const QByteArray& speaker,
                  const QByteArray& other);
QByteArray channel(const QByteArray& text, const QByteArray& speaker, const QByteArray& other);

} // namespace ReplayEvents
