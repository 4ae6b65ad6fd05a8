#include "guarded.h"

#include <exception>

#include <QString>

#include "messages.h"

bool guarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        Messages::current().show(Messages::Kind::Error, QString::fromUtf8(e.what()));
    } catch (...) {
        Messages::current().show(Messages::Kind::Error, QStringLiteral("An unexpected error ended the operation."));
    }
    return false;
}
