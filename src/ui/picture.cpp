#include "picture.h"

#include "artwork.h"

Picture::Picture(const QString &name, QWidget *parent, QPoint position) : ClickLabel(parent)
{
    setObjectName(name);
    setGeometry(QRect(position, Artwork::pictureSize(name)));
}

void Picture::showEvent(QShowEvent *event)
{
    if (!m_painted) {
        m_painted = true;
        setPixmap(Artwork::picture(objectName()));
    }
    ClickLabel::showEvent(event);
}
