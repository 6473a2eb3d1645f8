#pragma once

#include "session/LoginQuestions.h"

class QWidget;

// The login questions as modal input boxes over the main window.
class LoginInputBox : public LoginQuestions
{
public:
    explicit LoginInputBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer ask(const QString& caption, const QString& prompt, const QString& initialText,
               bool masked) override;

private:
    QWidget* m_parent;
};
