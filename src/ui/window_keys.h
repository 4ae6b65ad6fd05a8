#pragma once

#include <functional>

#include <QObject>

class QAbstractButton;
class QWidget;

// Esc and Enter as in a dialog, for a window or a page that is not one: Esc presses the
// button that cancels (or closes), Enter that the focused control leaves unused (in an edit
// field, a list, a check box) presses the default button. Each is asked for when the key
// comes, so a button hidden or disabled at that moment is not pressed.
class WindowKeys : public QObject
{
    Q_OBJECT

public:
    using Choice = std::function<QAbstractButton *()>;

    WindowKeys(QWidget *scope, Choice escape, Choice enter);

    // Presses the button as a click would; false when there is none to press.
    static bool press(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_scope;
    Choice m_escape;
    Choice m_enter;
};
