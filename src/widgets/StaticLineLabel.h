#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QStaticText>

// A label of one plain line that keeps its laid-out glyphs between paints and takes its
// text colour without a palette change. A board's clocks, last move and players' colours
// change many times a second on four boards at once: a plain label shapes its text anew at
// every paint, and a palette change travels through the style and the event queue.
class StaticLineLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StaticLineLabel(QWidget* parent = nullptr);

    // Draws the text in this colour; an invalid colour means the palette's text colour.
    void setTextColour(const QColor& colour);
    QColor textColour() const;
    // A solid background, painted with the text by the label's own painter: a filled
    // background of Qt's would take a painter of its own at every paint.
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStaticText m_glyphs;
    QFont m_glyphsFont;  // the label's font the glyphs were laid out for
    QFont m_drawingFont; // the same, as the glyphs were laid out and are drawn
    QColor m_colour;
    QColor m_background;
};
