#include "window_sizes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString key(const QString &kind, const char *name)
{
    return QStringLiteral("Windows/%1/%2").arg(kind, QLatin1String(name));
}

} // namespace

namespace WindowSizes {

QSize remembered(const QString &kind, QSize defaultSize, const QWidget *window)
{
    const QSize kept = QSettings().value(key(kind, "size")).toSize();
    if (!kept.isValid())
        return defaultSize;
    QSize size = kept.expandedTo(defaultSize);
    // A size kept on a larger screen is cut to this one.
    const QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        size = size.boundedTo(screen->availableSize()).expandedTo(defaultSize);
    return size;
}

bool rememberedMaximized(const QString &kind)
{
    return QSettings().value(key(kind, "maximized"), false).toBool();
}

void remember(const QString &kind, QSize size, bool maximized)
{
    QSettings settings;
    settings.setValue(key(kind, "size"), size);
    settings.setValue(key(kind, "maximized"), maximized);
}

} // namespace WindowSizes
