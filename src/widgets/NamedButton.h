#pragma once

#include <QString>

class QPushButton;
class QWidget;

// The dialogs' push buttons carry the control names and hints that tests and the help panel
// look for; none of them is pressed by Enter unless the dialog makes it its default.
QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption,
                         const QString& hint);
