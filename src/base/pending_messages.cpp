#include "pending_messages.h"

#include <QCoreApplication>

void letPendingMessagesRun()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
