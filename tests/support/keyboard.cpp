#include "keyboard.h"

#include <QApplication>
#include <QImage>
#include <QStackedWidget>
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

QStringList unmarkedFocus(QWidget *area)
{
    // The control and a few pixels round it (marks may be drawn just outside), as shown.
    const auto around = [area](QWidget *control) {
        const QRect place(control->mapTo(area, QPoint(0, 0)), control->size());
        return area->grab(place.adjusted(-4, -4, 4, 4)).toImage();
    };
    area->setFocusPolicy(Qt::ClickFocus);
    QStringList found;
    for (QWidget *control : area->findChildren<QWidget *>()) {
        if (!control->isVisible() || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus) ||
            control->objectName().isEmpty() || qobject_cast<QStackedWidget *>(control))
            continue;
        area->setFocus();
        QApplication::processEvents();
        const QImage before = around(control);
        // With Tab, as the user moves the focus: the styles mark it only then.
        if (!tabTo(control))
            found << control->objectName() + " (not reached by Tab)";
        else if (around(control) == before)
            found << control->objectName();
    }
    return found;
}

} // namespace Keyboard
