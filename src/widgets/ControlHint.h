#pragma once

#include <QAction>
#include <QWidget>

// A hint "short|long" (or one text for both): the short text is the tool tip,
// the long one goes to the help panel while the control is under the pointer.
namespace ControlHint {

template <class Control>
void apply(Control* control, const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    control->setToolTip(bar < 0 ? hint : hint.left(bar));
    control->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

} // namespace ControlHint
