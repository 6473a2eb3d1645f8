#pragma once

#include <QString>

// Passwords in the settings files (profiles, connection entries, the SOCKS proxy) are kept
// out of plain sight, not encrypted: each byte XOR 0x71 as two upper-case hex digits, the
// last byte first.
QString ScramblePassword(const QString& password);
QString UnscramblePassword(const QString& scrambled);
