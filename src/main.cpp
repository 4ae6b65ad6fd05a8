#include "app/command_line.h"
#include "app/tfrm_main.h"
#include "app/program_windows.h"
#include "ui/application.h"

int main(int argc, char **argv)
{
    if (CommandLine::requested(argc, argv))
        return CommandLine::runProgram(argc, argv);
    Application app(argc, argv);
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
