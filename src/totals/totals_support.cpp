#include "totals_support.h"

#include <cmath>

#include "data/engine/engine_error.h"
#include "data/tdm1.h"

void addGuarded(double &sum, double value)
{
    const double result = sum + value;
    if (std::isfinite(result))
        sum = result;
}

void addPlain(double &sum, double value, const QString &what)
{
    const double result = sum + value;
    if (!std::isfinite(result))
        throw EngineError(QStringLiteral("Floating point overflow while adding up %1").arg(what));
    sum = result;
}

std::optional<double> tryReadFloat(const Field &field)
{
    // Reading the raw value first lets a failing table surface; only the conversion of a
    // stored text that is not a number is answered with nothing.
    field.Value();
    try {
        return field.AsFloat();
    } catch (const EngineError &) {
        return std::nullopt;
    }
}

double sumStoredTotals(Table &totals, const std::vector<const char *> &fieldNames)
{
    double sum = 0.0;
    for (const char *name : fieldNames)
        addGuarded(sum, tryReadFloat(totals.FieldByName(QString::fromLatin1(name))).value_or(0.0));
    return sum;
}

Table &editTotalsRow(Tdm1 &dm)
{
    Table &totals = dm.tblFSPro;
    if (dm.CurrentClientId.isEmpty())
        throw EngineError(QStringLiteral("No financial statement is selected; its totals cannot be written"));
    if (totals.FieldByName(QStringLiteral("ClientId")).AsString() != dm.CurrentClientId)
        throw EngineError(QStringLiteral("The financial statement %1 has no totals row").arg(dm.CurrentClientId));
    totals.Edit();
    return totals;
}

FrozenControls::FrozenControls(std::vector<Table *> tables) : m_tables(std::move(tables))
{
    for (Table *table : m_tables)
        table->DisableControls();
}

FrozenControls::~FrozenControls()
{
    for (Table *table : m_tables) {
        try {
            table->EnableControls();
        } catch (...) {
            // A control that fails to repaint must not end the program from a destructor.
        }
    }
}

StatementListReset::~StatementListReset()
{
    if (m_done)
        return;
    try {
        reset();
    } catch (...) {
        // The operation's own error is already on its way to the user.
    }
}

void StatementListReset::reset()
{
    m_done = true;
    m_dm.ClearStatementFilters();
    m_dm.tblClient.First();
}
