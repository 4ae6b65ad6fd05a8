#include "typed_control.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include "base/messages.h"
#include "field_link.h"

const char *const TypedControl::ChecksTypingProperty = "checksTyping";

namespace {

template <class F>
void forEachTyped(QWidget *window, F &&f)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *typed = dynamic_cast<TypedControl *>(widget)) {
            if (!f(widget, *typed))
                return;
        }
    }
}

} // namespace

QLabel *TypedControl::caption() const
{
    if (!m_control->parentWidget())
        return nullptr;
    for (QLabel *label : m_control->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == m_control)
            return label;
    return nullptr;
}

QString TypedControl::fieldName() const
{
    const QLabel *label = caption();
    QString name = label ? label->text() : m_link.dataField();
    name.remove(u'*');
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

void TypedControl::markCaption(bool refused)
{
    QLabel *label = caption();
    if (!label)
        return;
    QPalette palette = label->palette();
    if (refused)
        palette.setColor(QPalette::WindowText, Qt::red);
    else
        palette.setColor(QPalette::WindowText, label->parentWidget()->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TypedControl::setRefused(bool refused)
{
    if (m_refused == refused)
        return;
    m_refused = refused;
    if (!refused)
        markCaption(false);
}

bool TypedControl::refusalOutlived() const
{
    const Table *table = m_link.dataSource() ? m_link.dataSource()->DataSet() : nullptr;
    return !(table && table->Active() && table->state() != Table::State::Browse);
}

void TypedControl::focusRefused(QWidget *control)
{
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    else if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

void TypedControl::report()
{
    // The focus goes back first, so the message box returns it there, the text selected.
    focusRefused(m_control);
    markCaption(true);
    Messages::current().show(Messages::Kind::Error, refusal());
}

void TypedControl::focusLeft(const QFocusEvent *event)
{
    if (!m_refused)
        return;
    // Only the user moving on is told; a message box or a popup taking the focus is not
    // a move.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason
        && reason != Qt::ShortcutFocusReason)
        return;
    // A click on a button that checks the typing reports it there, once.
    const QWidget *next = QApplication::focusWidget();
    if (reason == Qt::MouseFocusReason && next && next->property(ChecksTypingProperty).toBool())
        return;
    report();
}

QString TypedControl::checkTyping(QWidget *window)
{
    QString message;
    forEachTyped(window, [&](QWidget *widget, TypedControl &typed) {
        if (!typed.isRefused() || !widget->isVisible())
            return true;
        message = typed.refusal();
        typed.report();
        return false;
    });
    return message;
}

void TypedControl::revertTyping(QWidget *window)
{
    forEachTyped(window, [](QWidget *, TypedControl &typed) {
        if (typed.isRefused())
            typed.revert();
        return true;
    });
}

bool TypedControl::holdsRefusedTyping(QWidget *window)
{
    bool refused = false;
    forEachTyped(window, [&](QWidget *, TypedControl &typed) {
        refused = typed.isRefused();
        return !refused;
    });
    return refused;
}
