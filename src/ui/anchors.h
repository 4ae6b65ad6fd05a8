#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Places the controls of an area that can be resized. Each control stands where it was put
// at the area's default size; the area's extra width and height (beyond the default) move
// or widen it by the shares its anchor gives: {0, 1, 1, 0} keeps its left, moves down with
// the bottom edge and takes the whole extra width. A control without an anchor keeps its
// place relative to the top left.
class Anchors : public QObject
{
    Q_OBJECT

public:
    struct Anchor
    {
        qreal moveRight = 0;
        qreal moveDown = 0;
        qreal growWide = 0;
        qreal growTall = 0;
    };
    static constexpr Anchor Grows{0, 0, 1, 1};
    static constexpr Anchor GrowsWide{0, 0, 1, 0};
    static constexpr Anchor FollowsBottom{0, 1, 0, 0};
    static constexpr Anchor FollowsBottomRight{1, 1, 0, 0};

    Anchors(QWidget *area, QSize defaultSize);

    // The control's present geometry is its place at the default size.
    void add(QWidget *control, Anchor anchor);
    QSize defaultSize() const { return m_defaultSize; }
    // Puts every anchored control in its place for the area's present size.
    void place();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> control;
        QRect place;
        Anchor anchor;
    };

    QWidget *m_area;
    QSize m_defaultSize;
    std::vector<Placed> m_placed;
};
