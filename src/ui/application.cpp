#include "application.h"

#include "data/engine/engine_error.h"
#include "messages.h"

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Worthsheet"));
    setApplicationDisplayName(QStringLiteral("Worthsheet"));
    setOrganizationName(QStringLiteral("Norvale"));
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
