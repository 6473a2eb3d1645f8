#include "widgets/NamedButton.h"

#include <QPushButton>

QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption,
                         const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}
