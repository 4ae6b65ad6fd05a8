#pragma once

#include <QSize>
#include <QString>

class QWidget;

// The sizes the user gave the windows, kept between runs in the program's settings under
// the user's configuration folder ($XDG_CONFIG_HOME/Norvale/Worthsheet.conf). Only window
// sizes are kept there; every statement stays in the database file.
namespace WindowSizes {

// The size last given to windows of this kind, no smaller than their default and no larger
// than the screen; the default when none was kept.
QSize remembered(const QString &kind, QSize defaultSize, const QWidget *window);
bool rememberedMaximized(const QString &kind);
void remember(const QString &kind, QSize size, bool maximized = false);

} // namespace WindowSizes
