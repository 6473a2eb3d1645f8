#include "games/ui/BoardInfoColumn.h"

#include "games/ui/TPieceGrid.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSpacerItem>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The grids take the column's height before the gap between the players does.
constexpr int GridStretch = 100;

QFont boldFont(QFont font)
{
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    return font;
}

// A rating shares its row with the info and ping buttons.
int rateWidth(const std::array<QToolButton*, 2>& buttons)
{
    return BoardInfoColumn::Width - buttons[0]->sizeHint().width() - buttons[1]->sizeHint().width();
}

const QColor Grey(192, 192, 192);
const QColor Yellow(255, 255, 0);
const QColor Lime(0, 255, 0);

} // namespace

BoardInfoColumn::BoardInfoColumn(std::array<QToolButton*, 2> topButtons,
                                 std::array<QToolButton*, 2> bottomButtons, QWidget* parent)
    : QWidget(parent), lastMove(*this, font(), Lime, Width),
      topName(*this, boldFont(font()), Grey, Width),
      topRate(*this, font(), Grey, rateWidth(topButtons)),
      topTime(*this, boldFont(font()), Grey, Width),
      bottomName(*this, boldFont(font()), Yellow, Width),
      bottomRate(*this, font(), Yellow, rateWidth(bottomButtons)),
      bottomTime(*this, boldFont(font()), Yellow, Width)
{
    setFixedWidth(Width);
    // Every pixel is the column's own (lines and the gaps between them), so a changed line
    // repaints nothing behind the column.
    setAttribute(Qt::WA_OpaquePaintEvent);
    topGrid = new TPieceGrid(this);
    bottomGrid = new TPieceGrid(this);
    // A board docked four to a tab is shorter than the column: the grids give up height
    // first, so the names and clocks always keep theirs.
    for (TPieceGrid* grid : {topGrid, bottomGrid}) {
        grid->setFixedWidth(Width);
        grid->setMaximumHeight(Width);
        grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        grid->SetPieces(0, 0, 0, 0, 0, 0);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    const auto rateRow = [column](InfoLine& rate, std::array<QToolButton*, 2> buttons) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addItem(rate.layoutItem());
        for (QToolButton* button : buttons)
            row->addWidget(button);
        column->addLayout(row);
    };
    column->addItem(lastMove.layoutItem());
    column->addWidget(topGrid, GridStretch);
    column->addItem(topName.layoutItem());
    rateRow(topRate, topButtons);
    column->addItem(topTime.layoutItem());
    column->addStretch(1);
    column->addItem(bottomName.layoutItem());
    rateRow(bottomRate, bottomButtons);
    column->addItem(bottomTime.layoutItem());
    column->addWidget(bottomGrid, GridStretch);
}

std::array<InfoLine*, 7> BoardInfoColumn::lines()
{
    return {&lastMove, &topName, &topRate, &topTime, &bottomName, &bottomRate, &bottomTime};
}

bool BoardInfoColumn::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        for (InfoLine* line : lines()) {
            if (line->geometry().contains(help->pos()) && !line->toolTip().isEmpty()) {
                QToolTip::showText(help->globalPos(), line->toolTip(), this, line->geometry());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void BoardInfoColumn::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QRegion gaps = event->region();
    for (InfoLine* line : lines()) {
        if (!event->region().intersects(line->geometry()))
            continue;
        line->paint(painter);
        gaps -= line->geometry();
    }
    for (const QRect& gap : gaps)
        painter.fillRect(gap, palette().window());
}
