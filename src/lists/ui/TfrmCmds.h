#pragma once

#include <QWidget>

class QPlainTextEdit;

// "Commands": the display of block-mode replies that no list window takes
// (finger, assess, the players' information buttons). Keeps at most about 5000
// lines: beyond that the oldest 2000 go before new text is added.
class TfrmCmds : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxLines = 5000;
    static constexpr int LinesDropped = 2000;
    // The face the window asks for; where it is missing a fixed-pitch one stands in.
    static inline const QString FontFamily = QStringLiteral("Fixedsys");

    explicit TfrmCmds(QWidget* parent = nullptr);

    void Clear();
    void Append(const QByteArray& text);
    void showOrRaise();

    QPlainTextEdit* reCmds;
};
