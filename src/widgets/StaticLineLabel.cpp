#include "widgets/StaticLineLabel.h"

#include <QPainter>
#include <QtMath>

StaticLineLabel::StaticLineLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    m_glyphs.setTextFormat(Qt::PlainText);
    m_glyphs.setPerformanceHint(QStaticText::AggressiveCaching);
}

void StaticLineLabel::setTextColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void StaticLineLabel::setBackground(const QColor& colour)
{
    m_background = colour;
    // Every pixel is the label's own: nothing behind it is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, colour.isValid() && colour.alpha() == 255);
    if (colour.isValid()) {
        QPalette shades = palette();
        shades.setColor(QPalette::Window, colour);
        setPalette(shades);
    }
    update();
}

QColor StaticLineLabel::textColour() const
{
    return m_colour.isValid() ? m_colour : palette().color(foregroundRole());
}

void StaticLineLabel::paintEvent(QPaintEvent*)
{
    if (m_glyphs.text() != text() || m_glyphsFont != font()) {
        m_glyphs.setText(text());
        m_glyphsFont = font();
        // Clocks, handles and moves are Latin: laid out without the shaping engine
        // (a script that needs shaping still gets it).
        m_drawingFont = m_glyphsFont;
        m_drawingFont.setStyleStrategy(QFont::PreferNoShaping);
        m_glyphs.prepare(QTransform(), m_drawingFont);
    }
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    // The painter's font must be the prepared one, or the text is laid out again.
    painter.setFont(m_drawingFont);
    painter.setPen(textColour());
    const QRect area = contentsRect();
    const int top = area.top() + (area.height() - fontMetrics().height()) / 2;
    const int spare = area.width() - qCeil(m_glyphs.size().width());
    int left = area.left();
    if (alignment() & Qt::AlignRight)
        left += spare;
    else if (alignment() & Qt::AlignHCenter)
        left += spare / 2;
    painter.drawStaticText(QPoint(left, top), m_glyphs);
}
