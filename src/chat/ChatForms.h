#pragma once

#include "chat/ChatFilter.h"

#include <QList>
#include <QRect>
#include <optional>

class SettingsFile;

// The filtered chat windows as the profile keeps them: one line per window,
// "caption|filter text|left|top|width|height", named by its position from 1.
namespace ChatForms {

inline const QString Section = QStringLiteral("Chat Forms");

struct Form
{
    QString caption;
    ChatFilter filter;
    QRect bounds;
};

// What the user chose in the creation dialog.
struct Choices
{
    QString title;
    QStringList keywords; // checked keywords, any order
    QString users;        // handles separated by spaces
    QString channels;     // channel numbers separated by spaces
};

// The new window's caption and filter (no bounds yet). Keywords come in their
// fixed order, then the handles as typed, then the channels as "(n)"; an
// empty title becomes "Filtered Chat: " and the filter text.
Form formFromChoices(const Choices& choices);

// A "|" in the caption would split the line on the next load: it becomes a space.
QString formatValue(const Form& form);
// None unless the value holds exactly six non-empty fields with decimal bounds.
std::optional<Form> parseValue(const QString& value);

QList<Form> load(const SettingsFile& file);
// Rewrites the section whole.
void store(SettingsFile& file, const QList<Form>& forms);

} // namespace ChatForms
