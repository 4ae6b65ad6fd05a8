#include "maintenance_fixture.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

void MaintenanceWindowTest::SetUp()
{
    MainWindowTest::SetUp();
    shell = std::make_unique<RecordingShell>();
}

void MaintenanceWindowTest::TearDown()
{
    MainWindowTest::TearDown();
    shell.reset();
}

void MaintenanceWindowTest::startOnSettings()
{
    start();
    programEnded = false;
    QObject::connect(main.get(), &TfrmMain::closed, main.get(), [this] { programEnded = true; });
    enterWithoutLogin();
    clickImage("imset_blue", "imset_orange");
    ASSERT_EQ(currentPage(), "tsSettings");
}

QWidget *MaintenanceWindowTest::openFromSettings(const QString &normalName)
{
    clickImage(normalName, normalName + "_up");
    EXPECT_TRUE(lastOpened && QTest::qWaitForWindowExposed(lastOpened));
    return lastOpened;
}

void MaintenanceWindowTest::press(const QString &buttonName)
{
    if (auto *button = control<QPushButton>(buttonName))
        QTest::mouseClick(button, Qt::LeftButton);
}

void MaintenanceWindowTest::typeFolder(const QString &text)
{
    if (auto *edit = control<QLineEdit>("edWorkDirInfo"))
        QTest::keyClicks(edit, text);
}

QStringList MaintenanceWindowTest::logLines()
{
    auto *memo = control<QPlainTextEdit>("Memo1");
    if (!memo || memo->toPlainText().isEmpty())
        return {};
    return memo->toPlainText().split('\n');
}

bool MaintenanceWindowTest::waitForProgramEnd()
{
    return QTest::qWaitFor([this] { return programEnded; }, 2000);
}

