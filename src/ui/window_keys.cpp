#include "window_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

WindowKeys::WindowKeys(QWidget *scope, Choice escape, Choice enter)
    : QObject(scope), m_scope(scope), m_escape(std::move(escape)), m_enter(std::move(enter))
{
    scope->installEventFilter(this);
}

bool WindowKeys::press(QAbstractButton *button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Keys come here when the focused control did not use them; a window already closing
    // by an earlier key takes no more.
    if (watched != m_scope || event->type() != QEvent::KeyPress || !m_scope->isVisible())
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    const Choice *choice = nullptr;
    if (key->key() == Qt::Key_Escape)
        choice = &m_escape;
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        choice = &m_enter;
    if (!choice || !*choice)
        return QObject::eventFilter(watched, event);
    if (!press((*choice)()))
        return QObject::eventFilter(watched, event);
    key->accept();
    return true;
}
