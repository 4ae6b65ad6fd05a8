#pragma once

#include <optional>
#include <vector>

#include <QString>

class Field;
class Table;
class Tdm1;

// Adds value to sum unless the result would not be finite: an overflowing or invalid
// term is dropped and the sum keeps what it had.
void addGuarded(double &sum, double value);

// Adds value to sum; a result that is not finite ends the operation with an EngineError
// naming what was being summed.
void addPlain(double &sum, double value, const QString &what);

// The stored number, or nothing when the field holds a text that is not a number.
// Engine failures (a table that cannot be read) still propagate.
std::optional<double> tryReadFloat(const Field &field);

// Sum of stored totals read from the current row; a value that cannot be read counts as 0.
double sumStoredTotals(Table &totals, const std::vector<const char *> &fieldNames);

// Puts the statement's totals row into edit state and returns the FSPro table. Refuses when
// the current FSPro row is not the one of CurrentClientId: editing an absent row would
// append a totals row that belongs to no statement, and another statement's row must
// never receive these totals.
Table &editTotalsRow(Tdm1 &dm);

// Holds back the repaints of bound controls while an operation walks its tables; they
// hear once, at the end, what changed.
class FrozenControls
{
public:
    explicit FrozenControls(std::vector<Table *> tables);
    ~FrozenControls();
    FrozenControls(const FrozenControls &) = delete;
    FrozenControls &operator=(const FrozenControls &) = delete;

private:
    std::vector<Table *> m_tables;
};

// Clears the statement filters and moves Client to its first row when the scope ends,
// also when the operation failed, so the statement list never stays narrowed to one
// statement or to the orphan rows.
class StatementListReset
{
public:
    explicit StatementListReset(Tdm1 &dm) : m_dm(dm) {}
    ~StatementListReset();
    StatementListReset(const StatementListReset &) = delete;
    StatementListReset &operator=(const StatementListReset &) = delete;

    // Resets now, letting engine errors through.
    void reset();

private:
    Tdm1 &m_dm;
    bool m_done = false;
};
