#include "keyboard.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace Keyboard {

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget *w = focused())
        QTest::keyClick(w, key, modifiers);
    else
        ADD_FAILURE() << "no widget has the focus";
}

void typeText(const QString &text)
{
    if (QWidget *w = focused())
        QTest::keyClicks(w, text);
    else
        ADD_FAILURE() << "no widget has the focus";
}

bool tabTo(const QWidget *target, bool back)
{
    // A window of the program has fewer than eighty stops.
    for (int i = 0; i < 80 && target && focused() != target; ++i) {
        if (!focused())
            return false;
        QTest::keyClick(focused(), back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return target && focused() == target;
}

bool activate(QWidget *window)
{
    if (!window)
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace Keyboard
