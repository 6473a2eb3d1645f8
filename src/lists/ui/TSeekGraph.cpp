#include "lists/ui/TSeekGraph.h"

#include "session/CommandWord.h"
#include "lists/ui/THintWindow.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr std::array<const char*, TSeekGraph::PictureCount> PictureNames{
    "REDCIRCLE",   "BLUECIRCLE",   "REDSQUARE", "BLUESQUARE",
    "REDTRIANGLE", "BLUETRIANGLE", "REDATOMIC", "BLUEATOMIC"};

} // namespace

TSeekGraph::TSeekGraph(QWidget* parent) : QWidget(parent), m_hint(new THintWindow(this))
{
    setObjectName(QStringLiteral("pbSought"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QString());
    setStatusTip(QStringLiteral(
        "Hold mouse over dots for more info.  Left-click to play, right-click to finger, etc."));
}

const std::array<QPixmap, TSeekGraph::PictureCount>& TSeekGraph::pictures()
{
    static const std::array<QPixmap, PictureCount> loaded = [] {
        std::array<QPixmap, PictureCount> result;
        for (int i = 0; i < PictureCount; ++i)
            result[i] = QPixmap(QStringLiteral(":/dots/%1.png").arg(QLatin1String(PictureNames[i])));
        return result;
    }();
    return loaded;
}

void TSeekGraph::setSeeks(const QList<TSeek>& seeks)
{
    m_seeks = seeks;
    m_hint->hideHint();
    redraw();
}

void TSeekGraph::setRange(const SeekGraphGeometry::RatingRange& range)
{
    m_range = range;
    redraw();
}

void TSeekGraph::redraw()
{
    using namespace SeekGraphGeometry;
    const QSize area = size();
    placeDots(m_seeks, area, m_range);
    if (area.isEmpty()) {
        m_picture = QPixmap();
        return;
    }
    m_picture = QPixmap(area);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    painter.setPen(Qt::black);
    for (int minutes : {BlitzMinutes, StandardMinutes}) {
        const int x = gridLineX(minutes, area.width());
        painter.drawLine(x, 0, x, area.height());
    }
    for (int k = 1; k <= 4; ++k) {
        const int y = gridLineY(k, area.height());
        painter.drawLine(0, y, area.width(), y);
    }
    // Earlier offers lie on top of later ones.
    for (qsizetype i = m_seeks.size() - 1; i >= 0; --i)
        painter.drawPixmap(m_seeks[i].dot.topLeft(), pictures()[m_seeks[i].pictureIndex()]);
    painter.end();
    update();
}

void TSeekGraph::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(event->rect(), m_picture, event->rect());
}

void TSeekGraph::resizeEvent(QResizeEvent*)
{
    redraw();
}

void TSeekGraph::mouseMoveEvent(QMouseEvent* event)
{
    const int hit = SeekGraphGeometry::seekAt(m_seeks, event->position().toPoint());
    if (hit < 0)
        m_hint->hideHint();
    else
        m_hint->showFor(this, QString::fromLatin1(m_seeks[hit].line),
                        event->globalPosition().toPoint());
}

void TSeekGraph::mousePressEvent(QMouseEvent* event)
{
    const int hit = SeekGraphGeometry::seekAt(m_seeks, event->position().toPoint());
    if (hit < 0)
        return;
    const TSeek& seek = m_seeks[hit];
    if (event->button() == Qt::LeftButton)
        Q_EMIT playRequested(seek.number);
    else
        Q_EMIT playerMenuRequested(CommandWord::handle(QByteArrayView(seek.name)),
                                   event->globalPosition().toPoint());
}

void TSeekGraph::leaveEvent(QEvent*)
{
    m_hint->hideHint();
}
