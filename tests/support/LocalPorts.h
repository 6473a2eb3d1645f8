#pragma once

#include <QtGlobal>

// Ports on 127.0.0.1 for helpers started by tests.
namespace LocalPorts {

// A port that was free a moment ago (bound and released at once).
quint16 freePort();

// Waits until something accepts connections on 127.0.0.1:port; false after timeoutMs.
bool waitUntilListening(quint16 port, int timeoutMs = 15000);

} // namespace LocalPorts
