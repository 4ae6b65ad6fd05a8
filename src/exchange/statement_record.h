#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QVariant>

#include "data/engine/field.h"

class Connection;
class Tdm1;

// One statement as it travels between files: its Client row, its totals row and the rows of
// every detail table, without keys (Client.Id, ClientId). Text fields hold a QString, float
// fields a double, currency fields their ten-thousandths as qint64; an empty float or
// currency field is an invalid QVariant.
using RecordRow = std::vector<std::pair<QString, QVariant>>;

struct StatementRecord
{
    RecordRow client;
    // Empty when the statement has no totals row.
    RecordRow totals;
    // Every detail table in the order of statementDetailTables(), with its rows in the
    // order they were stored.
    std::vector<std::pair<QString, std::vector<RecordRow>>> details;

    qint64 detailRowCount() const;
};

struct ExchangeField
{
    QString name;
    FieldKind kind;
    // The first version of the database file that has the field.
    int sinceVersion = 1;
};

struct ExchangeTable
{
    QString name;
    // The fields a statement file holds: every field but the keys.
    std::vector<ExchangeField> fields;
    const ExchangeField *field(const QString &name) const;
};

// The tables of a statement, read from the schema: Client, FSPro, then the detail tables in
// the order the schema defines them. One list for export, import, merge and CSV.
const ExchangeTable &statementClientTable();
const ExchangeTable &statementTotalsTable();
const std::vector<ExchangeTable> &statementDetailTables();
const ExchangeTable *statementTable(const QString &name);

// Where a value of statement Id statement lies, for messages: "statement 3, Cash row 2,
// Balance"; row counts the statement's rows of the table from 1 in the order they were
// stored, and is 0 for Client and FSPro (one row each).
QString valuePlace(qint64 statement, const QString &table, qsizetype row, const QString &field);

// Reads statement id of another file through a connection of its own, by the fields of the
// file's version (a field it lacks is left out of the record, as empty). Throws ExchangeError
// when there is no such statement or a stored amount is not a number, naming its place
// (valuePlace).
StatementRecord readStatement(Connection &file, qint64 id);
// The same on the data module's file, the Id given as text.
StatementRecord readStatement(Tdm1 &dm, const QString &id);
// The Ids of every statement of the file, in the order they were created.
std::vector<qint64> statementIds(Connection &file);
