#pragma once

#include <QWidget>

// The bar between the upper pane and the terminal, pnlSplitter. Dragged with
// the mouse; reports where the drag ended, in its parent's coordinates.
class SplitterBar : public QWidget
{
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent = nullptr);

Q_SIGNALS:
    void dragEnded(int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_dragging = false;
    int m_grabOffset = 0;
};
