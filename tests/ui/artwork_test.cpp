// The pictures painted in code: every control finds its picture at its own size, the
// looks of one button differ, and the backgrounds leave free the places other controls use.
#include <QImage>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include "ui/artwork.h"

namespace {

struct Expected
{
    const char *name;
    QSize size;
};

// The names the windows ask for, with the sizes of their controls.
const Expected Pictures[] = {
    {"imBackground", {714, 513}},     {"imover_blue", {161, 48}},       {"imover_orange", {161, 48}},
    {"imover_white", {161, 48}},      {"imfs_blue", {161, 48}},         {"imfs_orange", {161, 48}},
    {"imfs_white", {161, 48}},        {"imset_blue", {161, 48}},        {"imset_orange", {161, 48}},
    {"imset_white", {161, 48}},       {"imExit", {89, 65}},             {"imExit_Up", {89, 65}},
    {"imDelete", {94, 29}},           {"imDelete_Up", {94, 29}},        {"imAdd", {94, 29}},
    {"imAdd_Up", {94, 29}},           {"imEdit", {94, 29}},             {"imEdit_Up", {94, 29}},
    {"imPrint", {65, 63}},            {"imPrint_Up", {65, 63}},         {"imPreview", {65, 63}},
    {"imPreview_Up", {65, 63}},       {"imCheckUpdate", {282, 47}},     {"imCheckUpdate_up", {282, 47}},
    {"imUpdateLogin", {282, 47}},     {"imUpdateLogin_up", {282, 47}},  {"imBackup", {282, 47}},
    {"imBackup_up", {282, 47}},       {"imRestore", {282, 47}},         {"imRestore_up", {282, 47}},
    {"imFSBackground", {519, 430}},   {"imLogin", {521, 40}},           {"imNotProtected", {452, 80}},
    {"imProtected", {452, 80}},       {"imSectionBackground", {553, 447}},
};

QImage image(const QString &name)
{
    return Artwork::picture(name).toImage().convertToFormat(QImage::Format_ARGB32);
}

// True when nothing stands out in `area`: every pixel is transparent or light.
bool plain(const QImage &img, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 20 && c.lightness() < 200)
                return false;
        }
    return true;
}

// True when `area` holds some dark pixel: text or a glyph is drawn there.
bool inked(const QImage &img, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.lightness() < 110)
                return true;
        }
    return false;
}

TEST(Artwork, EveryPictureIsPaintedAtItsControlsSize)
{
    for (const Expected &e : Pictures) {
        const QString name = QString::fromLatin1(e.name);
        EXPECT_TRUE(Artwork::pictureNames().contains(name)) << e.name;
        EXPECT_EQ(Artwork::pictureSize(name), e.size) << e.name;
        const QImage img = image(name);
        ASSERT_EQ(img.size(), e.size) << e.name;
        // Something is drawn: not every pixel has the colour of the top-left corner.
        const QRgb corner = img.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < img.height() && !varied; ++y)
            for (int x = 0; x < img.width() && !varied; ++x)
                varied = img.pixel(x, y) != corner;
        EXPECT_TRUE(varied) << e.name;
    }
    EXPECT_EQ(Artwork::pictureNames().size(), qsizetype(std::size(Pictures)));
}

TEST(Artwork, UnknownOrMisspeltNamesGiveNoPicture)
{
    // The settings buttons' hover pictures end in "_up", the others' in "_Up".
    for (const char *name : {"", "noSuchPicture", "imbackground", "imBackup_Up", "imAdd_up", "imover_green"}) {
        EXPECT_TRUE(Artwork::picture(QString::fromLatin1(name)).isNull()) << name;
        EXPECT_FALSE(Artwork::pictureSize(QString::fromLatin1(name)).isValid()) << name;
    }
}

TEST(Artwork, PicturesArePaintedOnceAndSurviveAnEmptiedCache)
{
    const QPixmap first = Artwork::picture("imBackground");
    EXPECT_EQ(Artwork::picture("imBackground").cacheKey(), first.cacheKey());
    QPixmapCache::clear();
    const QPixmap again = Artwork::picture("imBackground");
    EXPECT_EQ(again.size(), first.size());
    EXPECT_EQ(again.toImage(), first.toImage());
}

TEST(Artwork, EachLookOfAButtonDiffers)
{
    for (const Expected &e : Pictures) {
        const QString name = QString::fromLatin1(e.name);
        for (const char *suffix : {"_Up", "_up"}) {
            const QString hover = name + QString::fromLatin1(suffix);
            if (Artwork::pictureSize(hover).isValid())
                EXPECT_NE(image(name), image(hover)) << e.name << " and " << hover.toStdString();
        }
    }
    for (const char *tab : {"imover", "imfs", "imset"}) {
        const QString prefix = QString::fromLatin1(tab);
        const QImage blue = image(prefix + "_blue");
        const QImage orange = image(prefix + "_orange");
        const QImage white = image(prefix + "_white");
        EXPECT_NE(blue, orange) << tab;
        EXPECT_NE(blue, white) << tab;
        EXPECT_NE(orange, white) << tab;
        // The active page's tab is light; the resting one is not.
        EXPECT_GT(white.pixelColor(80, 10).lightness(), 220) << tab;
        EXPECT_LT(blue.pixelColor(80, 10).lightness(), 180) << tab;
    }
    EXPECT_NE(image("imNotProtected"), image("imProtected"));
    // The tabs of different pages are told apart by their captions.
    EXPECT_NE(image("imover_blue"), image("imfs_blue"));
    EXPECT_NE(image("imover_blue"), image("imset_blue"));
}

TEST(Artwork, MainBackgroundCarriesTheIconsAndLeavesThePagePlain)
{
    const QImage img = image("imBackground");
    // The header band is dark; the page area below it stays plain for the pages.
    EXPECT_LT(img.pixelColor(300, 5).lightness(), 100);
    EXPECT_TRUE(plain(img, QRect(178, 66, 524, 438)));
    // The about and help icons are drawn where their click areas lie: light strokes on
    // the dark band, so their centres differ from the band around them.
    for (const QRect area : {QRect(629, 21, 32, 28), QRect(669, 19, 32, 30)}) {
        bool light = false;
        for (int y = area.top(); y <= area.bottom() && !light; ++y)
            for (int x = area.left(); x <= area.right() && !light; ++x)
                light = img.pixelColor(x, y).lightness() > 200;
        EXPECT_TRUE(light) << area.x();
    }
}

TEST(Artwork, StatementBackgroundHeadsEveryRowAndLeavesTheNameAndTotalsFree)
{
    const QImage img = image("imFSBackground");
    // A heading stands above each row of links: the person's and the spouse's side by
    // side, then assets, liabilities, income and expenses, legal.
    const QPoint headings[] = {{15, 62}, {265, 62}, {15, 139}, {15, 216}, {15, 292}, {15, 366}};
    for (const QPoint row : headings)
        EXPECT_TRUE(inked(img, QRect(row.x(), row.y() - 26, 80, 20))) << row.x() << "," << row.y();
    // Nothing dark where the links themselves lie, so they read clearly.
    for (int rowY : {62, 139, 216, 292, 366})
        EXPECT_FALSE(inked(img, QRect(20, rowY, 480, 16))) << rowY;
    // The statement's name at the top right and the totals at the bottom right.
    EXPECT_TRUE(plain(img, QRect(260, 0, 259, 30)));
    EXPECT_TRUE(plain(img, QRect(300, 380, 219, 50)));
}

TEST(Artwork, SectionBackgroundHasADarkHeaderBandOverALightBody)
{
    const QImage img = image("imSectionBackground");
    for (int x : {2, 276, 550})
        EXPECT_LT(img.pixelColor(x, 20).lightness(), 120) << x;
    EXPECT_TRUE(plain(img, QRect(2, 46, 549, 399)));
}

} // namespace
