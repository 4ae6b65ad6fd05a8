#include "exchange_error.h"

ExchangeError::ExchangeError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message)
{
}
