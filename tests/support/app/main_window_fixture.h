#pragma once

#include <memory>

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/tfrm_main.h"
#include "support/recording_messages.h"
#include "support/scoped_environment.h"

class ImageButton;
class QLabel;

// The real main window on a database delivered into a temporary data folder, with every
// window that is built; the others open as plain stand-ins.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // SQL on the delivered file through its own connection.
    void exec(const QString &sql);
    qint64 count(const QString &sql);
    QString text(const QString &sql);

    // Creates, shows and waits for the main window (the first showing runs the login) and
    // for the answer of the file's full check.
    // Without waiting, for a start that is to end at once.
    TfrmMain &start(bool waitUntilExposed = true);
    // Closes the main window and starts the program again on the same file.
    TfrmMain &restart();
    // Goes through the login page without protection.
    void enterWithoutLogin();

    template <class T = QWidget>
    T *child(const QString &name)
    {
        T *found = main->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString currentPage();
    QColor colour(const QString &labelName);
    // Moves the mouse over a normal picture, then clicks the hover picture shown there.
    void clickImage(const QString &normalName, const QString &hoverName);
    void click(const QString &name);
    void type(const QString &editName, const QString &text);

    QTemporaryDir home;
    std::unique_ptr<ScopedEnvironment> dataHome;
    // The program's own settings go to the temporary folder too, never the user's.
    std::unique_ptr<ScopedEnvironment> configHome;
    QString databasePath;
    std::unique_ptr<RecordingMessages> messages;
    std::unique_ptr<TfrmMain> main;
    // Windows that open as plain stand-ins although they are built.
    QStringList standIns;
    QStringList opened;
    QPointer<QWidget> lastOpened;
};
