#pragma once

#include <vector>

#include <QKeySequence>
#include <QObject>

#include "picture.h"

class QWidget;

// Two or three pictures at one place: the normal one, the hover one shown instead while
// the mouse is over the button (it is the one that takes the click), and for tab buttons
// a white one marking the active page. Stacked normal, white, hover, bottom to top.
// The button also takes the keyboard focus (a frame around it shows it), and Enter or
// Space press it.
class ImageButton : public QObject
{
    Q_OBJECT

public:
    ImageButton(QWidget *parent, QPoint position, const QString &normalName, const QString &hoverName,
                const QString &whiteName = {});

    Picture *normal() const { return m_normal; }
    Picture *hover() const { return m_hover; }
    Picture *white() const { return m_white; }

    // At rest: the white picture when active (tab buttons only), else the normal one.
    void rest(bool active = false);
    void showHover();
    bool isHovered() const { return m_hover->isVisible(); }
    // A disabled button shows its normal picture and takes neither hover nor click.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_normal->isEnabled(); }

    // The name a screen reader says and the tooltip shows.
    void setName(const QString &name);
    // The shortcut of the command that does the same joins the tooltip.
    void showShortcut(const QKeySequence &shortcut);
    // The widget that takes the keyboard focus.
    QWidget *focusWidget() const { return m_normal; }
    // Every widget of the button, all at its one place: to move them together.
    std::vector<QWidget *> parts() const;

signals:
    // The mouse arrived over the normal picture; the owner decides what lights up.
    void normalHovered();
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Picture *m_normal;
    Picture *m_white = nullptr;
    Picture *m_hover;
    QWidget *m_focusFrame;
};
