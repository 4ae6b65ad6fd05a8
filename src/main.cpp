#include <QWidget>

#include "data/tdm1.h"
#include "ui/application.h"
#include "ui/messages.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Norvale"));
    Tdm1 *dm1 = ConnectDatabase(&app, Messages::current());
    if (!dm1->db1.Connected())
        return 1;
    window.resize(714, 513);
    window.show();
    return app.exec();
}
