// The common frame of the secondary windows.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include "ui/section_frame.h"

namespace {

class SectionFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new SectionFrame;
        frame->setCaption("Liabilities - Credit Cards");
    }
    void TearDown() override { delete frame.data(); }

    QLabel *label(const char *name) const { return frame->findChild<QLabel *>(name); }

    QPointer<SectionFrame> frame;
};

TEST_F(SectionFrameTest, IsAFixedSizeWindowWithoutTitleBarButtons)
{
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_TRUE(frame->isWindow());
    EXPECT_EQ(frame->size(), QSize(553, 447));
    EXPECT_EQ(frame->minimumSize(), QSize(553, 447));
    EXPECT_EQ(frame->maximumSize(), QSize(553, 447));
    const Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
        EXPECT_FALSE(flags & button) << button;
    EXPECT_TRUE(frame->testAttribute(Qt::WA_DeleteOnClose));

    auto *background = frame->findChild<QLabel *>("imSectionBackground");
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->geometry(), QRect(0, 0, 553, 447));
    EXPECT_FALSE(background->pixmap().isNull());
}

TEST_F(SectionFrameTest, CaptionNamesTheWindowAndStandsInTheHeader)
{
    EXPECT_EQ(frame->windowTitle(), "Liabilities - Credit Cards");
    QLabel *caption = label("lblCaption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Liabilities - Credit Cards");
    EXPECT_LE(caption->geometry().bottom(), SectionFrame::HeaderHeight);
    EXPECT_LT(caption->x(), 40);
    frame->setCaption("Backup Financial Data");
    EXPECT_EQ(frame->windowTitle(), "Backup Financial Data");
    EXPECT_EQ(caption->text(), "Backup Financial Data");
}

TEST_F(SectionFrameTest, ShowsTheStatementNameAtTheTopRightOnlyWhenAsked)
{
    frame->setFullName("John Q. Smith");
    frame->show();
    QLabel *name = label("lblFullName2");
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->isVisible());
    frame->showFullName(true);
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->text(), "John Q. Smith");
    EXPECT_EQ(name->font().pixelSize(), 15);
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
    EXPECT_LE(name->geometry().bottom(), SectionFrame::HeaderHeight);
    EXPECT_GT(name->geometry().right(), 520);
    EXPECT_LE(name->geometry().right(), 553);
    // A name set after showing replaces the shown one; the name never runs over the caption.
    frame->setFullName("Johnathan Quincy Smithersonian-Abernathy");
    EXPECT_EQ(name->text(), "Johnathan Quincy Smithersonian-Abernathy");
    EXPECT_FALSE(name->geometry().intersects(label("lblCaption")->geometry()));
    frame->showFullName(false);
    EXPECT_FALSE(name->isVisible());
}

TEST_F(SectionFrameTest, IsCentredOnTheScreenWhenShown)
{
    frame->move(0, 0);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    const QRect screen = frame->screen()->availableGeometry();
    const QPoint offset = frame->frameGeometry().center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

TEST_F(SectionFrameTest, ClosingFromCodeReleasesTheWindowButTheWindowSystemCannotCloseIt)
{
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    // A close request from the window system (a close box the window manager draws
    // anyway, or Alt+F4) arrives as a spontaneous close event.
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    // Delivered through notify(), as the window system's events are: sendEvent() would
    // clear the spontaneous mark.
    QCoreApplication::instance()->notify(frame, &request);
    EXPECT_FALSE(request.isAccepted());
    QCoreApplication::processEvents();
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(frame->isVisible());

    EXPECT_TRUE(frame->close());
    QTRY_VERIFY_WITH_TIMEOUT(frame.isNull(), 1000);
    EXPECT_TRUE(frame.isNull());
}

} // namespace
