#include "games/PieceSetCatalog.h"

#include <QImage>
#include <QSet>
#include <QTest>

// The pictures are compiled into the user-interface library; a program linked against it
// must find them.
class AssetResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPiecePictureHasItsSizeAndOnlyConventionColours()
    {
        for (int set = 0; set < PieceSetCatalog::Count; ++set) {
            const int size = PieceSetCatalog::info(set).size;
            for (int k = 0; k < PieceKindCount; ++k) {
                const QString path = PieceSetCatalog::picturePath(set, PieceKind(k));
                const QImage picture(path);
                QVERIFY2(!picture.isNull(), qPrintable(path));
                QCOMPARE(picture.size(), QSize(size, size));
                QSet<QRgb> colours;
                int shaded = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const QRgb rgb = picture.pixel(x, y) & 0xFFFFFF;
                        colours.insert(rgb);
                        shaded += PieceSetCatalog::markerShade(set, rgb) >= 0;
                    }
                }
                for (QRgb rgb : colours) {
                    QVERIFY2(rgb == 0xFFFFFF || rgb == 0 || PieceSetCatalog::markerShade(set, rgb) >= 0,
                             qPrintable(path + QString::number(rgb, 16)));
                }
                QVERIFY2(colours.contains(0xFFFFFF), qPrintable(path)); // transparent surround
                QVERIFY2(shaded > size * size / 20, qPrintable(path)); // a body to recolour
            }
        }
    }

    // Pieces must read at a glance: the king and queen of every flat set reach over about 85 %
    // of the picture's height; the shaded standing set keeps its proportions.
    void flatSetsFillTheirPictures_data()
    {
        QTest::addColumn<int>("set");
        for (int set = 1; set < PieceSetCatalog::Count; ++set)
            QTest::newRow(PieceSetCatalog::info(set).name) << set;
    }
    void flatSetsFillTheirPictures()
    {
        QFETCH(int, set);
        const int size = PieceSetCatalog::info(set).size;
        for (const PieceKind kind : {PieceKind::King, PieceKind::Queen}) {
            const QImage picture =
                QImage(PieceSetCatalog::picturePath(set, kind)).convertToFormat(QImage::Format_RGB32);
            int top = size;
            int bottom = -1;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if ((picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                        top = qMin(top, y);
                        bottom = qMax(bottom, y);
                    }
                }
            }
            const double filled = double(bottom - top + 1) / size;
            QVERIFY2(filled >= 0.80, qPrintable(QString::number(filled)));
            QVERIFY2(filled <= 0.95, qPrintable(QString::number(filled)));
        }
    }

    void otherPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const char* kind : {"PAWN", "KNIGHT", "BISHOP", "ROOK", "QUEEN", "KING"})
            QTest::newRow(kind) << QStringLiteral(":/cursors/CUR%1.png").arg(QLatin1String(kind))
                                << QSize(32, 32);
        for (const char* colour : {"RED", "BLUE"}) {
            for (const char* shape : {"CIRCLE", "SQUARE", "TRIANGLE", "ATOMIC"}) {
                const QString name = QLatin1String(colour) + QLatin1String(shape);
                QTest::newRow(qPrintable(name)) << ":/dots/" + name + ".png" << QSize(11, 11);
            }
        }
        QTest::newRow("about") << QStringLiteral(":/pictures/about.jpg") << QSize(561, 546);
        QTest::newRow("profile") << QStringLiteral(":/pictures/profile.jpg") << QSize(240, 240);
    }
    void otherPictures()
    {
        QFETCH(QString, path);
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QTEST(picture.size(), "size");
    }
};

QTEST_GUILESS_MAIN(AssetResourcesTest)
#include "AssetResourcesTest.moc"
