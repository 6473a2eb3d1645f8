#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// What tolvaris-boardshot draws: one board as the client would show it.
struct BoardShotOptions
{
    QByteArray style12; // empty: the starting position
    int pieceSet = 0;
    bool threeD = true;
    QSize size{480, 480};
    float perspective = 0.65f;
    bool coordinates = false;
    bool reversed = false;
};

class BoardShot
{
public:
    static QByteArray startingPositionLine();
    // A null image when the style 12 line does not parse.
    static QImage render(const BoardShotOptions& options);
    // One picture per piece set in 2D and in 3D, and gallery.png with all of them.
    static bool writeGallery(const QString& directory, const BoardShotOptions& base);
};
