#pragma once

#include <QLabel>

class QPainter;

// A label that reports clicks and the mouse arriving over it: the click areas, links,
// pictures and clickable totals of the windows.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // The label takes the keyboard focus (drawn as a frame) and Enter or Space click it;
    // the name is what a screen reader says.
    void takeKeyboard(const QString &name);
    // The mark of the keyboard focus on the program's pictures and click areas: a dashed
    // orange frame, which stands out on the navy header, the blue buttons and white pages.
    static void paintFocusMark(QPainter &painter, const QRect &area);

signals:
    void clicked();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
