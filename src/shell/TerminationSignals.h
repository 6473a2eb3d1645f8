#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT (a desktop logout, Ctrl+C in a terminal) turned into a Qt
// signal on the event loop, so the program can end the way "E&xit" does. The
// handler only writes a byte to a socket pair; everything else runs later.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
