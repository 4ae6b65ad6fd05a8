#include "image_button.h"

ImageButton::ImageButton(QWidget *parent, QPoint position, const QString &normalName, const QString &hoverName,
                         const QString &whiteName)
    : QObject(parent), m_normal(new Picture(normalName, parent, position))
{
    setObjectName(normalName + QStringLiteral("Button"));
    if (!whiteName.isEmpty())
        m_white = new Picture(whiteName, parent, position);
    m_hover = new Picture(hoverName, parent, position);
    m_normal->raise();
    if (m_white)
        m_white->raise();
    m_hover->raise();
    m_hover->setCursor(Qt::PointingHandCursor);
    connect(m_normal, &Picture::hovered, this, &ImageButton::normalHovered);
    connect(m_hover, &Picture::clicked, this, &ImageButton::clicked);
    rest();
}

void ImageButton::rest(bool active)
{
    m_hover->hide();
    m_normal->show();
    if (m_white)
        m_white->setVisible(active);
}

void ImageButton::showHover()
{
    if (!isEnabled())
        return;
    m_hover->show();
    m_hover->raise();
}

void ImageButton::setEnabled(bool enabled)
{
    for (Picture *picture : {m_normal, m_white, m_hover})
        if (picture)
            picture->setEnabled(enabled);
    if (!enabled)
        m_hover->hide();
}
