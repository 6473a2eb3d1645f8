#include "games/ui/InfoLine.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSpacerItem>
#include <QWidget>
#include <QtMath>

InfoLine::InfoLine(QWidget& host, const QFont& font, const QColor& background, int width)
    : m_host(host), m_lineHeight(QFontMetrics(font).height()),
      m_item(new QSpacerItem(width, m_lineHeight, QSizePolicy::Fixed, QSizePolicy::Fixed)),
      m_font(font), m_drawingFont(font), m_background(background)
{
    // Clocks, handles and moves are Latin: laid out without the shaping engine (a script
    // that needs shaping still gets it).
    m_drawingFont.setStyleStrategy(QFont::PreferNoShaping);
    m_rawFont = QRawFont::fromFont(m_drawingFont);
    m_run.setRawFont(m_rawFont);
    m_glyphs.setTextFormat(Qt::PlainText);
    m_glyphs.setPerformanceHint(QStaticText::AggressiveCaching);
}

void InfoLine::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_glyphsStale = true;
    m_host.update(geometry());
}

void InfoLine::setTextColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    m_host.update(geometry());
}

QColor InfoLine::textColour() const
{
    return m_colour.isValid() ? m_colour : m_host.palette().color(QPalette::WindowText);
}

QRect InfoLine::geometry() const
{
    return m_item->geometry();
}

bool InfoLine::isVisible() const
{
    return m_host.isVisible() && !geometry().isEmpty();
}

// A clock or a move is a few characters of the face's own, placed by their advances: a
// text layout (itemizing, line breaking, shaping) for each new clock text would cost more
// than drawing it. A character the face lacks takes the full layout, which finds it in
// another face.
void InfoLine::layOutGlyphs()
{
    m_glyphsStale = false;
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(m_text);
    m_ownGlyphs = m_rawFont.isValid() && !glyphs.contains(0u);
    if (m_ownGlyphs) {
        const QList<QPointF> advances = m_rawFont.advancesForGlyphIndexes(glyphs);
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        QPointF pen(0, m_rawFont.ascent());
        for (const QPointF& advance : advances) {
            positions.append(pen);
            pen += advance;
        }
        m_run.setGlyphIndexes(glyphs);
        m_run.setPositions(positions);
        m_textWidth = pen.x();
        return;
    }
    m_glyphs.setText(m_text);
    m_glyphs.prepare(QTransform(), m_drawingFont);
    m_textWidth = m_glyphs.size().width();
}

void InfoLine::paint(QPainter& painter)
{
    if (m_glyphsStale)
        layOutGlyphs();
    const QRect area = geometry();
    painter.fillRect(area, m_background);
    if (m_text.isEmpty())
        return;
    // Only a text wider than its line needs a clip to stay off its neighbours.
    const bool clipped = qCeil(m_textWidth) > area.width();
    if (clipped) {
        painter.save();
        painter.setClipRect(area);
    }
    painter.setPen(textColour());
    // A rating shares its row with taller buttons: the text keeps to the row's middle.
    const QPoint topLeft(area.left(), area.top() + (area.height() - m_lineHeight) / 2);
    if (m_ownGlyphs) {
        painter.drawGlyphRun(topLeft, m_run);
    } else {
        // The painter's font must be the prepared one, or the text is laid out again.
        painter.setFont(m_drawingFont);
        painter.drawStaticText(topLeft, m_glyphs);
    }
    if (clipped)
        painter.restore();
}
