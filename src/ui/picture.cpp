#include "picture.h"

#include "artwork.h"

Picture::Picture(const QString &name, QWidget *parent, QPoint position) : ClickLabel(parent), m_artwork(name)
{
    setObjectName(name);
    setGeometry(QRect(position, Artwork::pictureSize(name)));
}

void Picture::showEvent(QShowEvent *event)
{
    if (!m_painted) {
        m_painted = true;
        setPixmap(Artwork::picture(m_artwork, size()));
    }
    ClickLabel::showEvent(event);
}

void Picture::resizeEvent(QResizeEvent *event)
{
    ClickLabel::resizeEvent(event);
    // Until it is shown, the picture is painted at whatever size it then has.
    if (m_painted && pixmap().size() != size() && Artwork::stretches(m_artwork))
        setPixmap(Artwork::picture(m_artwork, size()));
}
