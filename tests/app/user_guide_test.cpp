// The user guide as the user opens it: a window of its own showing the guide the program
// carries inside it, with a heading for every window of the program and links that all
// lead somewhere inside the guide.
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "app/tfrm_guide.h"
#include "sections/window_catalogue.h"

namespace {

struct GuideText
{
    QStringList headings;
    QSet<QString> anchors;
    QStringList links;
};

GuideText readGuide(const QTextDocument &document)
{
    GuideText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            text.headings << block.text().trimmed();
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString &name : format.anchorNames())
                text.anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                text.links << format.anchorHref();
        }
    }
    return text;
}

// The text of the block shown at the top of the guide's page.
QString topBlock(QTextBrowser *browser)
{
    return browser->cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}

// Clicks the first link whose text is that.
bool clickLink(QTextBrowser *browser, const QString &text)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.text() != text)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(cursor).center());
            return true;
        }
    }
    return false;
}

class UserGuide : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (guide)
            guide->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QPointer<TfrmGuide> guide;
};

TEST_F(UserGuide, HoldsAHeadingForEveryWindowAndEveryLinkLeadsToAPlaceInsideIt)
{
    guide = openUserGuide(nullptr);
    ASSERT_TRUE(guide);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(guide));
    EXPECT_EQ(guide->windowTitle(), "Worthsheet User Guide");
    // Asked again, the guide open comes to the front: there is one.
    EXPECT_EQ(openUserGuide(nullptr), guide.data());

    const GuideText text = readGuide(*guide->browser()->document());
    for (const CatalogueEntry &entry : windowCatalogue())
        EXPECT_TRUE(text.headings.contains(QString::fromLatin1(entry.caption))) << entry.caption;
    for (const char *page : {"Overview", "Financial Statement", "Settings"})
        EXPECT_TRUE(text.headings.contains(page)) << page;
    EXPECT_GT(text.links.size(), 50);
    for (const QString &link : text.links) {
        // Nothing leads out of the guide: no web page, no file beside the program.
        EXPECT_TRUE(link.startsWith('#')) << link.toStdString();
        EXPECT_TRUE(text.anchors.contains(link.mid(1))) << link.toStdString();
    }
}

TEST_F(UserGuide, LinksAndTopicsShowTheirHeadingAndEscapeClosesIt)
{
    guide = openUserGuide(nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(guide));
    QTextBrowser *browser = guide->browser();
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);

    ASSERT_TRUE(clickLink(browser, "Printing"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return topBlock(browser) == "Printing"; }, 1000)) << topBlock(browser).toStdString();
    QTest::mouseClick(guide->findChild<QPushButton *>("btnBack"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return browser->verticalScrollBar()->value() == 0; }, 1000));

    // A window that asks for the guide on one topic gets it there.
    EXPECT_EQ(openUserGuide(nullptr, "legal"), guide.data());
    EXPECT_TRUE(QTest::qWaitFor([&] { return topBlock(browser) == "Legal"; }, 1000)) << topBlock(browser).toStdString();

    QTest::keyClick(guide, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guide.isNull(); }, 1000));
}

} // namespace
