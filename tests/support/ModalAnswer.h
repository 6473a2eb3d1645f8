#pragma once

#include <functional>

class QObject;
class QWidget;

// Answers the next modal window (dialog or message box) once it appears: the
// test can then start code that blocks in exec() and still drive it.
void answerNextModal(QObject* context, std::function<void(QWidget*)> answer);
