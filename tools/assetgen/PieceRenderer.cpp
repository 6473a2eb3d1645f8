#include "PieceRenderer.h"

#include "SetStyles.h"
#include "games/PieceSetCatalog.h"

#include <QHash>
#include <QPainter>
#include <QVector2D>
#include <cmath>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// The marker nearest to the wanted shade among those the set has.
QRgb markerColour(int set, int shade)
{
    for (int distance = 0; distance < PieceSetCatalog::ShadeCount; ++distance) {
        for (int candidate : {shade - distance, shade + distance}) {
            const qint64 rgb = PieceSetCatalog::markerForShade(set, candidate);
            if (rgb >= 0)
                return 0xFF000000u | quint32(rgb);
        }
    }
    return Black;
}

// Chamfer distance in pixels from each body pixel to the nearest pixel outside.
QList<float> distanceInside(const QImage& mask)
{
    const int w = mask.width(), h = mask.height();
    QList<float> d(w * h);
    for (int y = 0; y < h; ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < w; ++x)
            d[y * w + x] = line[x] ? 1e6f : 0.f;
    }
    const auto relax = [&](int x, int y, int dx, int dy, float cost) {
        const int nx = x + dx, ny = y + dy;
        const float other = (nx < 0 || ny < 0 || nx >= w || ny >= h) ? 0.f : d[ny * w + nx];
        d[y * w + x] = std::min(d[y * w + x], other + cost);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            relax(x, y, -1, 0, 1.f);
            relax(x, y, 0, -1, 1.f);
            relax(x, y, -1, -1, 1.4142f);
            relax(x, y, 1, -1, 1.4142f);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            relax(x, y, 1, 0, 1.f);
            relax(x, y, 0, 1, 1.f);
            relax(x, y, 1, 1, 1.4142f);
            relax(x, y, -1, 1, 1.4142f);
        }
    }
    return d;
}

class PieceCanvas
{
public:
    PieceCanvas(int set, PieceKind kind)
        : m_set(set), m_style(setStyle(set)), m_shape(pieceShape(m_style.family, kind,
                                                                  m_style.widthScale))
    {
        m_size = PieceSetCatalog::info(set).size * m_style.supersample;
        const double scale = (m_style.bottom - m_style.top) * m_size;
        m_toPixels.translate(m_size / 2.0, m_style.top * m_size);
        m_toPixels.scale(scale, scale);
        m_mask = QImage(m_size, m_size, QImage::Format_Grayscale8);
        m_mask.fill(0);
        QPainter painter(&m_mask);
        painter.fillPath(m_toPixels.map(m_shape.body), Qt::white);
        painter.end();
        m_distance = distanceInside(m_mask);
        m_box = m_toPixels.map(m_shape.body).boundingRect();
    }

    QImage draw()
    {
        QImage image(m_size, m_size, QImage::Format_RGB32);
        image.fill(White);
        for (int y = 0; y < m_size; ++y) {
            for (int x = 0; x < m_size; ++x) {
                if (inside(x, y))
                    image.setPixel(x, y, shadeColour(brightness(x, y)));
            }
        }
        drawLines(image);
        return reduce(image);
    }

private:
    bool inside(int x, int y) const { return m_mask.constScanLine(y)[x] != 0; }
    float distance(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_size || y >= m_size)
            return 0;
        return m_distance[y * m_size + x];
    }

    QRgb shadeColour(double brightness) const
    {
        const double b = std::clamp(brightness, 0.0, 1.0);
        return markerColour(m_set, int(std::lround((1 - b) * m_style.darkestShade)));
    }

    double brightness(int x, int y) const
    {
        const double ty = (y - m_box.top()) / std::max(1.0, m_box.height());
        switch (m_style.fill) {
        case Fill::Flat:
            return 1;
        case Fill::Gradient:
            return 1 - ty;
        case Fill::TwoTone:
            return ty < 0.55 ? 1 : 0.35 - (ty - 0.55) * 0.6;
        case Fill::Cylinder:
            return cylinder(x, y);
        case Fill::Bevel:
            return bevel(x, y);
        case Fill::Engraved: {
            const int spacing = std::max(3, m_size / 14);
            const bool shadowSide = x > m_box.center().x() + m_size * 0.03;
            return shadowSide && (x + y) % spacing < std::max(1, spacing / 3) ? 0 : 1;
        }
        }
        return 1;
    }

    // The run of body pixels on this row that holds x, seen as a lit cylinder.
    double cylinder(int x, int y) const
    {
        int left = x, right = x;
        while (left > 0 && inside(left - 1, y))
            --left;
        while (right < m_size - 1 && inside(right + 1, y))
            ++right;
        const double half = std::max(1.0, (right - left) / 2.0);
        const double u = std::clamp((x - (left + right) / 2.0) / half, -1.0, 1.0);
        const double nz = std::sqrt(1 - u * u);
        const QVector3D normal(float(u), 0, float(nz));
        const QVector3D light = QVector3D(-0.6f, -0.3f, 0.75f).normalized();
        const double diffuse = std::max(0.f, QVector3D::dotProduct(normal, light));
        const double highlight = std::pow(diffuse, 12.0);
        return 0.05 + 0.75 * diffuse + 0.4 * highlight;
    }

    // Flat inside, the rim rounded off and lit from the top left.
    double bevel(int x, int y) const
    {
        const double radius = std::max(2.0, m_style.bevel * m_size);
        const double d = distance(x, y);
        if (d >= radius)
            return 0.85;
        QVector2D inward(distance(x + 1, y) - distance(x - 1, y),
                         distance(x, y + 1) - distance(x, y - 1));
        if (inward.lengthSquared() > 0)
            inward.normalize();
        const double facing = QVector2D::dotProduct(inward, QVector2D(1, 1).normalized());
        const double steepness = 1 - d / radius;
        return 0.85 + 0.6 * facing * steepness;
    }

    void drawLines(QImage& image) const
    {
        QPainter painter(&image);
        const double unit = m_size;
        const QPainterPath body = m_toPixels.map(m_shape.body);
        const QPainterPath details = m_toPixels.map(m_shape.details);
        if (m_shape.detailsFilled) {
            painter.fillPath(details, Qt::black);
        } else {
            QPen pen(Qt::black, std::max(1.0, m_style.outline * unit * 0.8));
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.strokePath(details, pen);
        }
        if (m_style.outline > 0) {
            QPen pen(Qt::black, std::max(1.0, m_style.outline * unit));
            pen.setJoinStyle(Qt::RoundJoin);
            painter.strokePath(body, pen);
        }
        painter.end();
        if (m_style.innerLine) {
            const double at = m_style.outline * unit * 2.2;
            const double width = std::max(1.0, m_style.outline * unit * 0.6);
            for (int y = 0; y < m_size; ++y) {
                for (int x = 0; x < m_size; ++x) {
                    const double d = distance(x, y);
                    if (d >= at && d < at + width)
                        image.setPixel(x, y, Black);
                }
            }
        }
    }

    // Each S x S pixel takes the colour most of its block has; black wins with a quarter,
    // so that thin outlines survive.
    QImage reduce(const QImage& big) const
    {
        const int f = m_style.supersample;
        const int s = m_size / f;
        QImage out(s, s, QImage::Format_RGB32);
        for (int y = 0; y < s; ++y) {
            for (int x = 0; x < s; ++x) {
                QHash<QRgb, int> counts;
                for (int j = 0; j < f; ++j) {
                    for (int i = 0; i < f; ++i)
                        ++counts[big.pixel(x * f + i, y * f + j)];
                }
                QRgb colour = White;
                if (counts.value(Black) * 4 >= f * f) {
                    colour = Black;
                } else if (counts.value(White) * 2 <= f * f) {
                    int best = 0;
                    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
                        if (it.key() != White && it.key() != Black && it.value() > best) {
                            best = it.value();
                            colour = it.key();
                        }
                    }
                }
                out.setPixel(x, y, colour);
            }
        }
        return out;
    }

    int m_set;
    const SetStyle& m_style;
    PieceShape m_shape;
    int m_size = 0;
    QTransform m_toPixels;
    QImage m_mask;
    QList<float> m_distance;
    QRectF m_box;
};

} // namespace

QImage renderPiecePicture(int set, PieceKind kind)
{
    return PieceCanvas(set, kind).draw();
}
