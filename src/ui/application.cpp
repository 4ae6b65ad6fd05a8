#include "application.h"

#include "base/messages.h"
#include "data/engine/engine_error.h"
#include "message_boxes.h"

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Worthsheet"));
    setOrganizationName(QStringLiteral("Norvale"));
    static MessageBoxes boxes;
    if (!Messages::installed())
        Messages::install(&boxes);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EngineError &e) {
        Messages::current().show(Messages::Kind::Error, e.message());
    } catch (const std::exception &e) {
        Messages::current().show(Messages::Kind::Error, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
