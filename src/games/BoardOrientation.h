#pragma once

#include <QByteArray>
#include <QPoint>
#include <optional>

// Display squares (column, row; row 0 at the top of the screen) and the square names the
// server uses. Not reversed, display row 0 is rank 8 and column 0 file a; reversed, row 0
// is rank 1 and column 0 file h.
class BoardOrientation
{
public:
    static QByteArray squareName(int row, int column, bool reversed);
    // The first letter a..h (any case) that is not the text's last character, followed by
    // a rank digit 1..8; x = display column, y = display row.
    static std::optional<QPoint> parseSquare(const QByteArray& text, bool reversed);
};
