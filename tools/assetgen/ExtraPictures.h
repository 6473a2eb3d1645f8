#pragma once

#include "games/PieceCode.h"

#include <QImage>

// The pictures besides the piece sets: drag pointers, seek-graph dots, and the pictures of
// the profile and about windows.
QImage dragCursorPicture(PieceKind kind); // 32 x 32, transparent around the piece
QImage seekDotPicture(int shape, bool blue); // 11 x 11 on white; shape 0 circle .. 3 atomic
QImage profilePicture();
QImage aboutPicture(); // 561 x 546
