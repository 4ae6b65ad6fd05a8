// The about window, the web-site link and the update check, with the browser recorded.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/shell.h"
#include "app/tfrm_info.h"
#include "base/product.h"
#include "maintenance_fixture.h"

namespace {

class AboutTest : public MaintenanceWindowTest
{
protected:
    QString text(const QString &labelName)
    {
        auto *label = control<QLabel>(labelName);
        return label ? label->text() : QString();
    }
    bool showsLabel(const QString &caption)
    {
        for (const QLabel *label : lastOpened->findChildren<QLabel *>())
            if (label->text() == caption)
                return label->isVisible();
        return false;
    }
};

TEST(ProgramVersion, IsTheNewestReleaseThePackageAnnounces)
{
    // The software centres show the package's newest release; the program says the same,
    // with the build number after it.
    QFile metainfo(QStringLiteral(WORTHSHEET_PACKAGING_DIR "/com.norvale.Worthsheet.metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch release =
        QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(QString::fromUtf8(metainfo.readAll()));
    ASSERT_TRUE(release.hasMatch());
    EXPECT_EQ(GetProgramVersion(), release.captured(1) + QStringLiteral(".0"));
}

TEST(UpdateCheckAddress, AppendsTheVersionToTheUpdateQueryOfTheSite)
{
    EXPECT_EQ(UpdateCheckAddress("10.1.30.189"),
              QLatin1String(ProductSite) + "/sc/update/update.php?user_version=10.1.30.189");
    EXPECT_EQ(WebSiteAddress(), QLatin1String(ProductSite) + "/index.html");
    EXPECT_TRUE(QString(ProductSite).startsWith("http://"));
}

TEST_F(AboutTest, NamesTheProgramItsMakerAndTheVersionShown)
{
    startOnSettings();
    click("lblInfo");
    ASSERT_TRUE(lastOpened && QTest::qWaitForWindowExposed(lastOpened));
    EXPECT_STREQ(lastOpened->metaObject()->className(), "TfrmInfo");
    EXPECT_EQ(lastOpened->windowTitle(), "Information");
    EXPECT_EQ(lastOpened->objectName(), "frmInfo");
    EXPECT_FALSE(main->isVisible());
    for (const char *caption : {"Application Name:", "Developed By:", "Version:"})
        EXPECT_TRUE(showsLabel(caption)) << caption;
    EXPECT_EQ(text("lblApplicationName"), "Worthsheet 2010");
    EXPECT_EQ(text("lblDevelopedBy"), "Norvale");
    EXPECT_EQ(text("lblVersion"), GetProgramVersion());
    EXPECT_FALSE(text("lblVersion").isEmpty());
    EXPECT_EQ(control("Label7")->pos(), QPoint(40, 397));
    EXPECT_EQ(control("btnOK")->pos(), QPoint(440, 392));
    EXPECT_EQ(control<QPushButton>("btnOK")->text(), "OK");
}

TEST_F(AboutTest, OkReturnsToThePageThatWasActive)
{
    startOnSettings();
    click("lblInfo");
    ASSERT_TRUE(lastOpened);
    QPointer<QWidget> window = lastOpened;
    press("btnOK");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(currentPage(), "tsSettings");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(AboutTest, TheWebSiteLinkOpensTheFrontPageOrSaysTheBrowserCouldNot)
{
    startOnSettings();
    click("lblInfo");
    auto *link = control<QLabel>("Label7");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->text().contains("norvale"));

    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(shell->addresses(), QStringList({WebSiteAddress()}));
    EXPECT_TRUE(messages->shown().empty());

    shell->setBrowserPresent(false);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->last(), "You must be connected to the internet to view this page.");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_TRUE(lastOpened->isVisible());
}

TEST_F(AboutTest, TheUpdateCheckSendsTheVersionToTheSite)
{
    startOnSettings();
    clickImage("imCheckUpdate", "imCheckUpdate_up");
    EXPECT_EQ(shell->addresses(), QStringList({UpdateCheckAddress(GetProgramVersion())}));
    // A browser took the address: whatever the network does, the program says nothing.
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(opened.isEmpty());

    shell->setBrowserPresent(false);
    clickImage("imCheckUpdate", "imCheckUpdate_up");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->last(), "You must be connected to the internet to check for updates.");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_EQ(currentPage(), "tsSettings");
}

} // namespace
