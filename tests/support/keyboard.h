#pragma once

#include <QString>
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

} // namespace Keyboard
