#include "app/tfrm_main.h"
#include "ui/application.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    WindowRegistry windows;
    TfrmMain frmMain(std::move(windows));
    frmMain.show();
    return app.exec();
}
