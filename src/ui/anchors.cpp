#include "anchors.h"

#include <cmath>

#include <QEvent>
#include <QWidget>

Anchors::Anchors(QWidget *area, QSize defaultSize) : QObject(area), m_area(area), m_defaultSize(defaultSize)
{
    area->installEventFilter(this);
}

void Anchors::add(QWidget *control, Anchor anchor)
{
    for (Placed &placed : m_placed) {
        if (placed.control == control) {
            placed.anchor = anchor;
            return;
        }
    }
    m_placed.push_back({control, control->geometry(), anchor});
    place();
}

void Anchors::place()
{
    // Never smaller than the default: the controls then stand exactly where they were put.
    const int extraWidth = std::max(0, m_area->width() - m_defaultSize.width());
    const int extraHeight = std::max(0, m_area->height() - m_defaultSize.height());
    const auto share = [](int extra, qreal part) { return int(std::lround(extra * part)); };
    for (const Placed &placed : m_placed) {
        if (!placed.control)
            continue;
        const Anchor &a = placed.anchor;
        QRect place = placed.place;
        place.translate(share(extraWidth, a.moveRight), share(extraHeight, a.moveDown));
        place.setSize(place.size() + QSize(share(extraWidth, a.growWide), share(extraHeight, a.growTall)));
        placed.control->setGeometry(place);
    }
}

bool Anchors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}
