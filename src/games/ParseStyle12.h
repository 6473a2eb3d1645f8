#pragma once

#include <QByteArray>

struct Style12Record;

// Fills record from a whole "<12>" board line. False when the line is malformed (too few
// fields, an empty field, a short rank, a bad number, a time beyond 32 bits of
// milliseconds); the record is then garbage and the line must be dropped.
bool ParseStyle12(const QByteArray& line, Style12Record& record);
