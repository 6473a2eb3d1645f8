#pragma once

#include <QScrollBar>

// The terminal's vertical scroll bar. Every new line moves the range, yet with
// a long terminal the handle keeps its pixels, and repainting the bar costs
// more than drawing the line; so the bar repaints only when what it shows
// changes. A range change passes through states that are never shown (the
// range grows before the view follows it), so the look is compared once the
// change is complete, one event later.
class TerminalScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit TerminalScrollBar(QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look
    {
        QRect handle;
        bool atStart = false; // the arrows look disabled at the ends
        bool atEnd = false;

        friend bool operator==(const Look&, const Look&) = default;
    };
    Look look() const;
    void updateIfChanged();

    Look m_painted;
    bool m_checkQueued = false;
};
