#pragma once

#include <QString>

class FieldLink;
class QFocusEvent;
class QLabel;
class QWidget;

// What the bound controls that may refuse typing share (DBEdit, DBComboBox): typing that
// is no value of the field stays in the control as typed, is stored nowhere, turns the
// caption red and is reported when the user moves on or when the window checks its typing
// before storing. After any refusal the focus is back on the refused control with its text
// selected, so the next keys or paste replace what was refused.
class TypedControl
{
public:
    // The property a button carries when it checks the typing itself (OK, Next, Previous,
    // Close): a click on it does not report a refusal twice.
    static const char *const ChecksTypingProperty;

    virtual ~TypedControl() = default;

    // True while the control holds typing that was not stored.
    bool isRefused() const { return m_refused; }
    // Why the typing is refused; empty when it is not.
    virtual QString refusal() const = 0;
    // Drops the refused typing: the control shows its field again.
    virtual void revert() = 0;
    // The name the messages give the field: its caption without "*" and ":".
    QString fieldName() const;

    // Reports the first control of the window that holds refused typing (focus, red
    // caption, message) and returns its message; empty when every control's typing was
    // stored.
    static QString checkTyping(QWidget *window);
    static void revertTyping(QWidget *window);
    static bool holdsRefusedTyping(QWidget *window);
    // Puts the focus on a control whose input was refused, its text selected.
    static void focusRefused(QWidget *control);

protected:
    TypedControl(QWidget *control, const FieldLink &link) : m_control(control), m_link(link) {}

    void setRefused(bool refused);
    // Refused typing stays while its row is being edited; true when it is to go.
    bool refusalOutlived() const;
    // Tells the user of refused typing when the focus left by the user's move.
    void focusLeft(const QFocusEvent *event);
    void report();

private:
    QLabel *caption() const;
    void markCaption(bool refused);

    QWidget *m_control;
    const FieldLink &m_link;
    bool m_refused = false;
};
