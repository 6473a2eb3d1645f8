#pragma once

#include "games/PieceCode.h"

#include <QImage>

// Draws one piece picture of a set: S x S, pure white around the piece, the body in the
// set's marker colours (one per shade), outlines and details in black, every pixel exactly
// one of those colours so that the board can recolour and mask it.
QImage renderPiecePicture(int set, PieceKind kind);
