#pragma once

#include <QString>

// Asks the user for a line of text during the login (a modal input box).
class LoginQuestions
{
public:
    struct Answer
    {
        QString text; // what the box held when it was closed
        bool accepted = false;
    };

    virtual ~LoginQuestions() = default;

    virtual Answer ask(const QString& caption, const QString& prompt, const QString& initialText,
                       bool masked) = 0;
};
