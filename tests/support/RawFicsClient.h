#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>

// A bare client of the practice server that keeps everything the server sends, for
// tests that compare bytes.
class RawFicsClient : public QObject
{
public:
    explicit RawFicsClient(quint16 port);

    void send(const QByteArray& text);
    // Everything received from now on, once it ends with the expected bytes (a report of
    // what came instead after a generous wait).
    QByteArray takeUntil(const QByteArray& ending);
    // Everything received up to and including the first prompt after `text`.
    QByteArray takeThrough(const QByteArray& text);
    QByteArray loginAs(const QByteArray& name, const QByteArray& password);

    QTcpSocket socket;
    QByteArray received;
};
