#pragma once

#include <memory>

#include <QLineEdit>
#include <QPushButton>

#include "recording_shell.h"
#include "support/app/main_window_fixture.h"
#include "support/file_mode.h"

// The real main window with a recording shell, on its Settings page after the login, from
// which the about, backup and restore windows are opened and driven.
class MaintenanceWindowTest : public MainWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program, passes the login and shows the Settings page.
    void startOnSettings();
    // Clicks a Settings page button and returns the window it opened.
    QWidget *openFromSettings(const QString &normalName);

    template <class T = QWidget>
    T *control(const QString &name)
    {
        T *found = lastOpened ? lastOpened->findChild<T *>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void press(const QString &buttonName);
    void typeFolder(const QString &text);
    QStringList logLines();
    // Waits until the main window has closed, which ends the program.
    bool waitForProgramEnd();

    std::unique_ptr<RecordingShell> shell;
    bool programEnded = false;
};

