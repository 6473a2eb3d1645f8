#pragma once

#include <QObject>

class QWidget;

// Counts the paint events a widget gets: a test sees whether a change repainted what is
// behind the changed widget as well.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* watched);
    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_paints = 0;
};
