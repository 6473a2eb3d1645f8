#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QStaticText>
#include <QString>

class QPainter;
class QSpacerItem;
class QWidget;

// One line of a board's player column (a name, rating, clock or the last move): a text on
// a solid background that the column paints, not a widget of its own. A move on four
// observed boards changes five of these on each; as widgets, each would be a paint event
// with a painter of its own, where the column paints all its changed lines with one.
// The placed glyphs are kept between paints, and the side to move's colour is a member,
// not a palette change.
class InfoLine
{
public:
    // The line's place is a fixed-size item of the host's layout, one line of `font` high.
    InfoLine(QWidget& host, const QFont& font, const QColor& background, int width);
    InfoLine(const InfoLine&) = delete;
    InfoLine& operator=(const InfoLine&) = delete;

    // Handed to the host's layout, which owns it from then on.
    QSpacerItem* layoutItem() const { return m_item; }

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    // Draws the text in this colour; an invalid colour means the host's window-text colour.
    void setTextColour(const QColor& colour);
    QColor textColour() const;
    const QString& toolTip() const { return m_toolTip; }
    void setToolTip(const QString& text) { m_toolTip = text; }
    const QFont& font() const { return m_font; }
    // In the host's coordinates, as its layout placed the line.
    QRect geometry() const;
    bool isVisible() const;

    // Background and text; only the line's own rectangle is touched.
    void paint(QPainter& painter);

private:
    void layOutGlyphs();

    QWidget& m_host;
    int m_lineHeight;
    QSpacerItem* m_item;
    QFont m_font;
    QFont m_drawingFont; // the same, as the glyphs are laid out and drawn
    QString m_text;
    QString m_toolTip;
    QRawFont m_rawFont;   // the drawing font's own face
    QGlyphRun m_run;      // the text in that face, when it has every character
    QStaticText m_glyphs; // the text laid out in full, when it does not
    bool m_ownGlyphs = true;
    bool m_glyphsStale = false;
    qreal m_textWidth = 0;
    QColor m_colour;
    QColor m_background;
};
