#include "lists/ui/TSoughtPanel.h"

#include "lists/ui/TSeekGraph.h"
#include "widgets/ControlHint.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LegendGap = 10;
constexpr int RightMargin = 20;

// Legend rows in picture order.
constexpr std::array<const char*, TSeekGraph::PictureCount> LegendTexts{
    "Rated", "Unrated", "Rated Computer", "Unrated Computer",
    "Rated Wild", "Unrated Wild", "Rated Atomic", "Unrated Atomic"};

// Legend order as the panel shows it, by picture index.
constexpr std::array<int, TSeekGraph::PictureCount> LegendOrder{1, 0, 5, 4, 3, 2, 7, 6};

} // namespace

TSoughtPanel::TSoughtPanel(QWidget* parent) : QWidget(parent), m_graph(new TSeekGraph(this))
{
    setObjectName(QStringLiteral("soughtPanel"));
    for (QLabel*& label : m_ratingLabels) {
        label = new QLabel(this);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    const std::array<const char*, 3> speeds{"Lightning", "Blitz", "Standard"};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        m_speedLabels[i] = new QLabel(QLatin1String(speeds[i]), this);
        m_speedLabels[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    buildLegend();
    writeRatingLabels();
}

void TSoughtPanel::buildLegend()
{
    m_legend = new QWidget(this);
    m_legend->setObjectName(QStringLiteral("pnlLegend"));
    auto* rows = new QGridLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setVerticalSpacing(2);
    int row = 0;
    for (int picture : LegendOrder) {
        auto* dot = new QLabel(m_legend);
        dot->setPixmap(TSeekGraph::pictures()[picture]);
        rows->addWidget(dot, row, 0);
        rows->addWidget(new QLabel(QLatin1String(LegendTexts[picture]), m_legend), row, 1);
        ++row;
    }
    btSeek = new QPushButton(QStringLiteral("Seek"), m_legend);
    btSeek->setObjectName(QStringLiteral("btSeek"));
    ControlHint::apply(btSeek, QStringLiteral("Place an ad for a new game."));
    btOptions = new QPushButton(QStringLiteral("Options"), m_legend);
    btOptions->setObjectName(QStringLiteral("btOptions"));
    ControlHint::apply(btOptions, QStringLiteral("Change Sought Graph options."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btSeek);
    buttons->addWidget(btOptions);
    buttons->addStretch();
    auto* column = new QVBoxLayout(m_legend);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(rows);
    column->addStretch();
    column->addLayout(buttons);
}

void TSoughtPanel::setRange(const SeekGraphGeometry::RatingRange& range)
{
    m_graph->setRange(range);
    writeRatingLabels();
    arrange();
}

void TSoughtPanel::writeRatingLabels()
{
    const QList<int> values = SeekGraphGeometry::ratingLabels(m_graph->range());
    for (std::size_t k = 0; k < m_ratingLabels.size(); ++k) {
        const QString text = QString::number(values[int(k)]) + u' ';
        if (m_ratingLabels[k]->text() != text)
            m_ratingLabels[k]->setText(text);
    }
}

void TSoughtPanel::resizeEvent(QResizeEvent*)
{
    arrange();
}

void TSoughtPanel::arrange()
{
    using namespace SeekGraphGeometry;
    const QSize labelSize = m_ratingLabels[0]->sizeHint();
    const int labelWidth = labelSize.width();
    const int legendWidth = m_legend->sizeHint().width();
    const int speedHeight = m_speedLabels[0]->sizeHint().height();
    const int graphWidth = std::max(0, width() - labelWidth - legendWidth - RightMargin);
    const int graphHeight = std::max(0, height() - speedHeight);
    m_graph->setGeometry(labelWidth, 0, graphWidth, graphHeight);

    m_ratingLabels[0]->setGeometry(0, 0, labelWidth, labelSize.height());
    for (int k = 1; k < RatingLabelCount; ++k)
        m_ratingLabels[k]->setGeometry(0, std::max(0, ratingLabelTop(k, graphHeight)), labelWidth,
                                       labelSize.height());

    const int lightning = lightningLabelWidth(graphWidth);
    const int blitz = blitzLabelWidth(graphWidth);
    m_speedLabels[0]->setGeometry(labelWidth, graphHeight, lightning, speedHeight);
    m_speedLabels[1]->setGeometry(labelWidth + lightning, graphHeight, blitz, speedHeight);
    m_speedLabels[2]->setGeometry(labelWidth + lightning + blitz, graphHeight,
                                  std::max(0, graphWidth - lightning - blitz), speedHeight);
    m_legend->setGeometry(labelWidth + graphWidth + LegendGap, 0, legendWidth, height());
}
