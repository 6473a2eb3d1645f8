#pragma once

#include <QString>

#include <array>

class SettingsFile;

// One named set of game-request options of the match dialog. The nine profiles
// live in sections "Match0" to "Match8" of the profile's settings file.
struct MatchProfile
{
    enum Type { Standard = 0, Suicide = 1, Bughouse = 2, Other = 3 };
    enum Color { Random = 0, White = 1, Black = 2 };
    enum Rated { IsRated = 0, IsUnrated = 1 };

    static constexpr int Count = 9;
    static constexpr int MaxMinutes = 1000; // both spin fields: 0 to 1000

    int type = Standard;
    int color = Random;
    int rated = IsRated;
    int time = 2;
    int inc = 12;
    QString wild;
    QString additional;
    QString name;

    // The built-in profile of this index (0 to 8).
    static MatchProfile defaults(int index);
    static QString sectionName(int index);

    // Values outside the choices fall back to the built-in ones.
    void load(const SettingsFile& file, int index);
    void store(SettingsFile& file, int index) const;

    // The option words of a request: variant, time, increment, rated, colour,
    // then one blank and the additional words. wildText is the variant field's text.
    QString optionsText(const QString& wildText) const;
};

using MatchProfiles = std::array<MatchProfile, MatchProfile::Count>;

namespace MatchTiming {

// The caption of the first type choice for a time control: "&Lightning" below
// 3 expected minutes, "Blit&z" up to 14, "&Standard" from 15 on.
QString standardCaption(int time, int inc);

// The value a spin field's text stands for: leading blanks, a sign and a hex
// prefix are read, reading stops at the first character that does not fit, and
// the result is clamped to 0..MaxMinutes. The field shows it when its text is
// not exactly that number written in decimal.
struct FieldReading
{
    int value = 0;
    bool exact = false; // the text is already the decimal form of value
};
FieldReading readField(const QString& text);

// A typed character the time fields refuse: any printable one that is not a
// decimal digit.
bool refusesTyped(QChar typed);

} // namespace MatchTiming
