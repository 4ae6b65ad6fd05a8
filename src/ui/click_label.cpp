#include "click_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && isEnabled() && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Taken here, so that the surface below does not also see the move and reset.
    event->accept();
    if (isEnabled())
        emit hovered();
}

void ClickLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    // A disabled widget still hears the mouse arrive; it must not light up.
    if (isEnabled())
        emit hovered();
}

void ClickLabel::takeKeyboard(const QString &name)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
    if (toolTip().isEmpty() && text().isEmpty())
        setToolTip(name);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        if (isEnabled())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    paintFocusMark(painter, rect());
}

void ClickLabel::paintFocusMark(QPainter &painter, const QRect &area)
{
    QPen pen(QColor(0xf2, 0x8c, 0x28));
    pen.setWidth(area.height() < 24 ? 2 : 3);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
}
