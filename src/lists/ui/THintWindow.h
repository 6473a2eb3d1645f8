#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

// A small window with one line of text near the pointer, shown without taking
// the focus. It hides itself once the pointer has left the window it was shown
// for, checking only while it is shown.
class THintWindow : public QLabel
{
    Q_OBJECT

public:
    static constexpr int CheckMilliseconds = 500;

    explicit THintWindow(QWidget* parent = nullptr);

    // Shows text 2 pixels left of and 18 below the pointer at globalPos, inside the screen.
    void showFor(QWidget* owner, const QString& text, const QPoint& globalPos);
    void hideHint();

private:
    void checkPointer();

    QPointer<QWidget> m_owner;
    QTimer m_check;
};
