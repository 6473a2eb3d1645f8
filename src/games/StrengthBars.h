#pragma once

#include <QByteArray>

// Heights of the material and rating bars, which grow upwards from one base line: each
// value as a share of the larger of its pair, of the room above the captions.
struct StrengthBars
{
    int white = 0;
    int black = 0;
    int whiteSkill = 0;
    int blackSkill = 0;

    // Texts are read as their leading digits; an empty or zero rating counts as 1. Both
    // strengths 0 (bare kings) give two empty bars.
    static StrengthBars compute(const QByteArray& whiteStrength, const QByteArray& blackStrength,
                                const QByteArray& whiteRating, const QByteArray& blackRating,
                                int room);
};
