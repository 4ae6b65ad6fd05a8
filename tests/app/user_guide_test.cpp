// The user guide as the user opens it: a window of its own showing the guide the program
// carries inside it, with a heading for every window of the program and links that all
// lead somewhere inside the guide.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextStream>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/tfrm_guide.h"
#include "sections/window_catalogue.h"
#include "support/app/main_window_fixture.h"

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

QString guideSource()
{
    QFile file(QStringLiteral(":/guide/user_guide.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString &text, const QString &pattern, int group = 1)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured(group).simplified();
    return found;
}

// The guide's commands against the program's own usage text: every verb the program has is
// in the guide's table with its operands, and every option the guide names is one it takes.
TEST(UserGuideText, NamesTheCommandLineAsTheProgramTakesIt)
{
    QString usage, errors;
    QTextStream out(&usage), err(&errors);
    ASSERT_EQ(CommandLine::run({QStringLiteral("--help")}, out, err), CommandLine::Done);
    out.flush();
    // The verbs stand between "Verbs:" and the first empty line, options after it.
    QStringList verbs;
    const QStringList lines = usage.split(u'\n');
    for (qsizetype i = lines.indexOf(QRegularExpression(QStringLiteral(".*Verbs:"))) + 1;
         i > 0 && i < lines.size() && !lines[i].isEmpty(); ++i)
        verbs << lines[i].left(29).simplified(); // the verb and its operands, before the meaning
    ASSERT_GE(verbs.size(), 9);
    const QString guide = guideSource();
    ASSERT_FALSE(guide.isEmpty());
    const QStringList inTable = matches(guide, QStringLiteral("<code>worthsheet ([^<]+)</code>"));
    EXPECT_EQ(QSet<QString>(inTable.begin(), inTable.end()), QSet<QString>(verbs.begin(), verbs.end()))
        << inTable.join(" | ").toStdString() << "\n" << verbs.join(" | ").toStdString();
    for (const QString &option : matches(guide, QStringLiteral("(--[a-z0-9-]+)")))
        EXPECT_TRUE(usage.contains(option + u' ') || usage.contains(option + u'\n')) << option.toStdString();
}

class UserGuideInProgram : public MainWindowTest
{
protected:
    void TearDown() override
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<TfrmGuide *>(window))
                window->close();
        MainWindowTest::TearDown();
    }
    static TfrmGuide *openGuide()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *guide = qobject_cast<TfrmGuide *>(window); guide && guide->isVisible())
                return guide;
        return nullptr;
    }
};

// Every key the guide's table names does in the main window what the guide says: it is the
// shortcut of the command of that text.
TEST_F(UserGuideInProgram, ItsKeysAreTheMainWindowsShortcuts)
{
    start();
    enterWithoutLogin();
    const QString guide = guideSource();
    const QRegularExpression row(QStringLiteral("<tr><td>([^<]+)</td><td>(?:<a [^>]*>)?([^<]+)"));
    int checked = 0;
    for (const QRegularExpressionMatch &m : row.globalMatch(guide)) {
        const QKeySequence keys(m.captured(1), QKeySequence::PortableText);
        if (keys.isEmpty() || keys.count() != 1 || m.captured(1).contains(u','))
            continue; // keys of every window, such as Tab
        const QString command = m.captured(2).simplified();
        bool found = false;
        for (QAction *action : main->findChildren<QAction *>())
            found = found
                || (action->shortcut() == keys && action->text().remove(u'&').remove(QLatin1String("...")) == command);
        EXPECT_TRUE(found) << m.captured(1).toStdString() << " " << command.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 14);
}

// F1 (Help, User Guide) opens the guide once the login is passed, not before; "?" keeps its
// message.
TEST_F(UserGuideInProgram, F1OpensItAfterTheLoginAndTheQuestionMarkKeepsItsMessage)
{
    start();
    QTest::keyClick(main.get(), Qt::Key_F1);
    EXPECT_EQ(openGuide(), nullptr);
    enterWithoutLogin();
    QTest::keyClick(main.get(), Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitFor([] { return openGuide() != nullptr; }, 1000));
    EXPECT_EQ(openGuide()->browser()->source().toString(), TfrmGuide::Source);
    QTest::mouseClick(child("lblHelp"), Qt::LeftButton);
    EXPECT_EQ(messages->last(), "Video Tutorial Coming Soon!");
}

} // namespace
