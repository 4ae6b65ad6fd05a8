#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include "exchange/statement_record.h"

// What a value must be to enter the file, by import or by merge, beyond its field's kind:
// what the windows let the user store. Each check returns what is wrong in a few words
// for the user (empty when the value may be stored).
namespace StatementRules {

// The fixed entries a drop-down field of the windows offers, or null when it offers none.
// An empty text is always allowed besides them.
const QStringList *fixedEntries(const QString &table, const QString &field);
// A date field: empty or a real date in the form mm/dd/yyyy, as the windows store it.
bool isDateField(const QString &table, const QString &field);
// A share in percent rather than an amount in dollars.
bool isPercentField(const QString &table, const QString &field);

QString amountProblem(const ExchangeField &field, double dollars);
QString textProblem(const ExchangeTable &table, const ExchangeField &field, const QString &text);
// Either of the above for a value as a record holds it.
QString valueProblem(const ExchangeTable &table, const ExchangeField &field, const QVariant &value);

} // namespace StatementRules
