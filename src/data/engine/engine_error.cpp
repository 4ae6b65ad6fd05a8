#include "engine_error.h"

EngineError::EngineError(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}
