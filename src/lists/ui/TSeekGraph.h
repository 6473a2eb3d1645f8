#pragma once

#include "lists/SeekGraphGeometry.h"
#include "lists/TSeek.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>

class THintWindow;

// The graph area of the sought panel: one dot per offer, across by expected
// duration, up by rating. The picture is drawn off screen when the offers, the
// range or the size change, and only copied on paint; a hover shows a hint
// window and repaints nothing.
class TSeekGraph : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PictureCount = 8;

    explicit TSeekGraph(QWidget* parent = nullptr);

    void setSeeks(const QList<TSeek>& seeks);
    void setRange(const SeekGraphGeometry::RatingRange& range);
    const QList<TSeek>& seeks() const { return m_seeks; }
    const SeekGraphGeometry::RatingRange& range() const { return m_range; }

    // The dot pictures in picture-index order: red and blue circle, square,
    // triangle and atomic shape.
    static const std::array<QPixmap, PictureCount>& pictures();

Q_SIGNALS:
    void playRequested(int number);
    // Any other button on an offer: the seeking player's handle.
    void playerMenuRequested(const QString& handle, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void redraw();

    QList<TSeek> m_seeks;
    SeekGraphGeometry::RatingRange m_range;
    QPixmap m_picture;
    THintWindow* m_hint;
};
