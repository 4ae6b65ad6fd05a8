// The window sizes kept between runs: what comes back of what was kept, whatever was kept.
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/window_sizes.h"

namespace {

TEST(WindowSizesTest, AKeptSizeComesBackWithinTheDefaultAndTheScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    const QSize defaultSize(553, 447);
    struct Case
    {
        const char *what;
        QVariant kept;
        QSize expected;
    };
    const Case cases[] = {
        {"nothing kept", QVariant(), defaultSize},
        {"a larger size", QSize(700, 500), QSize(700, 500)},
        {"smaller than the default", QSize(300, 200), defaultSize},
        {"wider only", QSize(700, 100), QSize(700, 447)},
        {"larger than the screen", screen + QSize(500, 500), screen},
        {"not a size", QStringLiteral("garbage"), defaultSize},
        {"an invalid size", QSize(-1, -1), defaultSize},
    };
    QWidget window;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QSettings().clear();
        if (c.kept.isValid())
            QSettings().setValue("Windows/Kind/size", c.kept);
        EXPECT_EQ(WindowSizes::remembered("Kind", defaultSize, &window), c.expected);
    }
}

TEST(WindowSizesTest, WhatIsRememberedIsReadBackByKind)
{
    WindowSizes::remember("One", {600, 480}, true);
    WindowSizes::remember("Two", {700, 500});
    EXPECT_EQ(WindowSizes::remembered("One", {553, 447}, nullptr), QSize(600, 480));
    EXPECT_TRUE(WindowSizes::rememberedMaximized("One"));
    EXPECT_EQ(WindowSizes::remembered("Two", {553, 447}, nullptr), QSize(700, 500));
    EXPECT_FALSE(WindowSizes::rememberedMaximized("Two"));
    EXPECT_FALSE(WindowSizes::rememberedMaximized("Three"));
}

} // namespace
