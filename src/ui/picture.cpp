#include "picture.h"

#include "artwork.h"

Picture::Picture(const QString &name, QWidget *parent, QPoint position) : ClickLabel(parent)
{
    setObjectName(name);
    const QPixmap pixmap = Artwork::picture(name);
    setPixmap(pixmap);
    setGeometry(QRect(position, pixmap.isNull() ? Artwork::pictureSize(name) : pixmap.size()));
}
