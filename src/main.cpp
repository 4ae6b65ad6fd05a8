#include <cstdio>

#include "app/command_line.h"
#include "app/tfrm_main.h"
#include "app/program_windows.h"
#include "data/first_start.h"
#include "ui/application.h"

int main(int argc, char **argv)
{
    if (CommandLine::requested(argc, argv))
        return CommandLine::runProgram(argc, argv);
    Application app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.norvale.Worthsheet"));
    // The first start needs nothing: without a database file the user gets a copy of the
    // empty one installed beside the program. Should that fail, the connection error follows.
    QString error;
    if (provideDatabaseFile(databaseTemplateCandidates(QCoreApplication::applicationDirPath()), &error).isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    // The main window hides while another window is shown; the program ends when the main
    // window closes, not when the last visible window does.
    app.setQuitOnLastWindowClosed(false);
    WindowRegistry windows;
    addProgramWindows(windows);
    TfrmMain frmMain(std::move(windows));
    QObject::connect(&frmMain, &TfrmMain::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    frmMain.show();
    return app.exec();
}
