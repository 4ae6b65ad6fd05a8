#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringList>

// The program's pictures, painted in code at the size of the control that shows them and
// named like it ("imover_blue", "imAdd_Up"). Unknown names give a null pixmap.
namespace Artwork {
QPixmap picture(const QString &name);
// A background painted at the size of its window; any other picture at its own size.
QPixmap picture(const QString &name, QSize size);
bool stretches(const QString &name);
QSize pictureSize(const QString &name);
QStringList pictureNames();
} // namespace Artwork
