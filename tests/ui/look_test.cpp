// What the windows show: the money format of the totals, the pictures and the common
// frame of the secondary windows.
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "support/temp_database.h"
#include "ui/artwork.h"
#include "ui/format_money.h"
#include "ui/section_frame.h"

namespace {

TEST(FormatMoney, FollowsTheScreenPattern)
{
    const std::pair<double, const char *> cases[] = {
        {0, "$.00"},          {1234.5, "$1,234.50"}, {-150000, "-$150,000.00"}, {0.5, "$.50"},
        {999.999, "$1,000.00"}, {0.004, "$.00"},     {-0.004, "$.00"},          {12, "$12.00"},
        {1000.0 / 12, "$83.33"}, {2.675, "$2.68"},   {1.005, "$1.01"},          {-2.675, "-$2.68"},
        {1e15, "$1,000,000,000,000,000.00"},         {123456789.125, "$123,456,789.13"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(FormatMoney(value), text) << value;
    EXPECT_EQ(FormatMoney(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(FormatMoney(std::nan("")), "");
}

TEST(Artwork, EveryPictureHasItsSizeAndIsPainted)
{
    const std::pair<const char *, QSize> sizes[] = {
        {"imBackground", {714, 513}}, {"imover_blue", {161, 48}},  {"imfs_white", {161, 48}},
        {"imset_orange", {161, 48}},  {"imExit_Up", {89, 65}},     {"imAdd", {94, 29}},
        {"imDelete_Up", {94, 29}},    {"imPrint", {65, 63}},       {"imRestore_up", {282, 47}},
        {"imFSBackground", {519, 430}}, {"imLogin", {521, 40}},    {"imProtected", {452, 80}},
        {"imSectionBackground", {553, 447}}};
    for (const auto &[name, size] : sizes)
        EXPECT_EQ(Artwork::picture(name).size(), size) << name;

    for (const QString &name : Artwork::pictureNames()) {
        const QImage image = Artwork::picture(name).toImage();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), Artwork::pictureSize(name));
        // Something is drawn: not every pixel has the colour of the first one.
        const QRgb first = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3)
            for (int x = 0; x < image.width() && !varied; x += 3)
                varied = image.pixel(x, y) != first;
        EXPECT_TRUE(varied) << name.toStdString();
    }
    EXPECT_TRUE(Artwork::picture("noSuchPicture").isNull());
}

TEST(Artwork, HoverActiveAndRestLooksDiffer)
{
    const std::pair<const char *, const char *> pairs[] = {{"imAdd", "imAdd_Up"},       {"imover_blue", "imover_orange"},
                                                           {"imover_blue", "imover_white"}, {"imBackup", "imBackup_up"},
                                                           {"imExit", "imExit_Up"},     {"imNotProtected", "imProtected"}};
    for (const auto &[rest, other] : pairs)
        EXPECT_NE(Artwork::picture(rest).toImage(), Artwork::picture(other).toImage()) << rest << " " << other;
}

TEST(SectionFrameWindow, HasItsFixedSizeAndShowsTheNameOnlyWhenAsked)
{
    auto *frame = new SectionFrame;
    QPointer<SectionFrame> alive(frame);
    frame->setCaption("Assets - Cash");
    frame->setFullName("Al B. Adams");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_EQ(frame->size(), QSize(553, 447));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->windowTitle(), "Assets - Cash");
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    auto *name = frame->findChild<QLabel *>("lblFullName2");
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->isVisible());
    frame->showFullName(true);
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->text(), "Al B. Adams");
    // Closing releases the window.
    frame->close();
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 1000);
    EXPECT_TRUE(alive.isNull());
}

} // namespace
