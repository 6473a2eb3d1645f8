#pragma once

#include "games/StrengthBars.h"

#include <QColor>
#include <QString>
#include <QWidget>

// The material ("Strength") and rating ("Skill") bars under the move list: four bars
// growing up from one base line, white's in the white pieces' colour, black's in the
// black pieces', with their numbers beneath.
class StrengthBarsView : public QWidget
{
    Q_OBJECT

public:
    explicit StrengthBarsView(QWidget* parent = nullptr);

    void setValues(const QByteArray& whiteStrength, const QByteArray& blackStrength,
                   const QByteArray& whiteRating, const QByteArray& blackRating);
    void setColours(const QColor& white, const QColor& black);
    // The bars' room for the present height.
    int room() const;
    const StrengthBars& bars() const { return m_bars; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void recompute();

    QByteArray m_texts[4];
    StrengthBars m_bars;
    QColor m_white{Qt::white};
    QColor m_black{Qt::black};
};
