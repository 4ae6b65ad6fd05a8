#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

// The keyboard as a user has it: keys go to the widget with the focus.
namespace Keyboard {

QWidget *focused();
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString &text);
// Tab (Shift+Tab) until the focus is on the target; false when it never gets there.
bool tabTo(const QWidget *target, bool back = false);
// Brings the window to the front, as a click on it would; false when it never gets there.
bool activate(QWidget *window);
// The controls shown in the area that take the focus by Tab but look no different when they
// have it (or that Tab never reaches). The area's window must be active.
QStringList unmarkedFocus(QWidget *area);

} // namespace Keyboard
