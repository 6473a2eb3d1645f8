#pragma once

#include "lists/SeekGraphGeometry.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class TSeekGraph;

// The sought panel of the main window: the seek graph with its rating labels
// on the left, the speed labels under it, the legend on the right and the
// "Seek" and "Options" buttons.
class TSoughtPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TSoughtPanel(QWidget* parent = nullptr);

    TSeekGraph* graph() const { return m_graph; }
    void setRange(const SeekGraphGeometry::RatingRange& range);

    QPushButton* btSeek = nullptr;
    QPushButton* btOptions = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLegend();
    void writeRatingLabels();
    void arrange();

    TSeekGraph* m_graph;
    std::array<QLabel*, SeekGraphGeometry::RatingLabelCount> m_ratingLabels{};
    std::array<QLabel*, 3> m_speedLabels{};
    QWidget* m_legend = nullptr;
};
