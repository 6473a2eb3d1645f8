#include "games/ui/StrengthBarsView.h"

#include <QPainter>

namespace {
constexpr int CaptionHeight = 32; // numbers and captions under the bars
constexpr int Top = 4;
}

StrengthBarsView::StrengthBarsView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panBars"));
    setMinimumHeight(80);
}

void StrengthBarsView::setValues(const QByteArray& whiteStrength, const QByteArray& blackStrength,
                                 const QByteArray& whiteRating, const QByteArray& blackRating)
{
    const QByteArray texts[4] = {whiteStrength, blackStrength, whiteRating, blackRating};
    if (std::equal(std::begin(texts), std::end(texts), std::begin(m_texts)))
        return;
    std::copy(std::begin(texts), std::end(texts), std::begin(m_texts));
    recompute();
}

void StrengthBarsView::setColours(const QColor& white, const QColor& black)
{
    if (white == m_white && black == m_black)
        return;
    m_white = white;
    m_black = black;
    update();
}

int StrengthBarsView::room() const
{
    return std::max(0, height() - CaptionHeight - Top);
}

void StrengthBarsView::recompute()
{
    m_bars = StrengthBars::compute(m_texts[0], m_texts[1], m_texts[2], m_texts[3], room());
    update();
}

void StrengthBarsView::resizeEvent(QResizeEvent*)
{
    recompute();
}

void StrengthBarsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int quarter = width() / 4;
    const int base = Top + room();
    const int heights[4] = {m_bars.white, m_bars.black, m_bars.whiteSkill, m_bars.blackSkill};
    for (int i = 0; i < 4; ++i) {
        const QRect bar(i * quarter + 3, base - heights[i], quarter - 6, heights[i]);
        painter.fillRect(bar, i % 2 == 0 ? m_white : m_black);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(i * quarter, base + 1, quarter, 14), Qt::AlignCenter,
                         QString::fromLatin1(m_texts[i].left(5)));
    }
    painter.drawText(QRect(0, base + 16, 2 * quarter, 14), Qt::AlignCenter,
                     QStringLiteral("Strength"));
    painter.drawText(QRect(2 * quarter, base + 16, 2 * quarter, 14), Qt::AlignCenter,
                     QStringLiteral("Skill"));
}
