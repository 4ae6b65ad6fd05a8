#include "statement_record.h"

#include <cmath>

#include "data/engine/connection.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/field.h"
#include "data/engine/query.h"
#include "data/engine/sql_identifier.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"

namespace {

struct StatementTables
{
    ExchangeTable client;
    ExchangeTable totals;
    std::vector<ExchangeTable> details;
};

bool hasColumn(Connection &schema, const QString &table, const QString &field)
{
    Query info(schema, "SELECT 1 FROM pragma_table_info(:table) WHERE name = :field");
    info.bind(":table", table);
    info.bind(":field", field);
    return info.next();
}

// The fields of the current version, each marked with the first version that has it.
ExchangeTable readTable(Connection &schema, std::vector<Connection> &older, const QString &name)
{
    ExchangeTable table{name, {}};
    Query info(schema, "SELECT name, type, pk FROM pragma_table_info(:table)");
    info.bind(":table", name);
    while (info.next()) {
        const QString field = info.text(0);
        const FieldKind kind = fieldKindOfDeclaredType(info.text(1), info.integer(2) != 0);
        if (kind == FieldKind::Key || field.compare(QLatin1String("ClientId"), Qt::CaseInsensitive) == 0)
            continue;
        int since = Database::UserVersion;
        while (since > 1 && hasColumn(older[size_t(since - 2)], name, field))
            --since;
        table.fields.push_back({field, kind, since});
    }
    return table;
}

const StatementTables &tables()
{
    static const StatementTables built = [] {
        Connection schema = Connection::memory();
        schema.exec(schemaSql());
        std::vector<Connection> older;
        for (int version = 1; version < Database::UserVersion; ++version) {
            older.push_back(Connection::memory());
            older.back().exec(schemaSqlOfVersion(version));
        }
        StatementTables result;
        result.client = readTable(schema, older, QStringLiteral("Client"));
        result.totals = readTable(schema, older, QStringLiteral("FSPro"));
        Query names(schema, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
                            "AND name NOT IN ('User', 'Client', 'FSPro') ORDER BY rowid");
        while (names.next())
            result.details.push_back(readTable(schema, older, names.text(0)));
        return result;
    }();
    return built;
}

// The fields a file of that version has.
ExchangeTable fieldsOfVersion(const ExchangeTable &table, int version)
{
    ExchangeTable kept{table.name, {}};
    for (const ExchangeField &field : table.fields)
        if (field.sinceVersion <= version)
            kept.fields.push_back(field);
    return kept;
}

std::string selectText(const ExchangeTable &table, const char *where)
{
    QStringList columns;
    for (const ExchangeField &field : table.fields)
        columns << quoteIdentifier(field.name);
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid")
        .arg(columns.join(u','), quoteIdentifier(table.name), QLatin1String(where))
        .toStdString();
}

// A stored value as a record holds it; throws ExchangeError saying what is wrong with it.
QVariant readValue(const Query &query, int column, const ExchangeField &field)
{
    switch (field.kind) {
    case FieldKind::Text:
        // Whole, a NUL inside included: what the file holds is what is carried.
        return query.text(column);
    case FieldKind::Float:
    case FieldKind::Currency:
    case FieldKind::Key:
        break;
    }
    const QVariant value = query.value(column);
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::QString) {
        // An amount stored as text by another program: a number is kept, anything else is
        // not an amount and cannot be carried over.
        double parsed = 0;
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return {};
        // Currency holds whole ten-thousandths in 64 bits.
        if (!Field::parseNumber(text, &parsed)
            || (field.kind == FieldKind::Currency && std::fabs(parsed) >= 9.2e18))
            throw ExchangeError(QStringLiteral("holds \"%1\", which is not an amount").arg(text));
        return field.kind == FieldKind::Currency ? QVariant(qint64(std::llround(parsed))) : QVariant(parsed);
    }
    if (field.kind == FieldKind::Currency)
        return QVariant(query.integer(column));
    // Another program may have stored an infinity; it is no amount and has no JSON form.
    const double amount = query.real(column);
    if (!std::isfinite(amount))
        throw ExchangeError(QStringLiteral("holds a value that is not a finite number"));
    return QVariant(amount);
}

// On the program's database or a connection to another file.
template <class File>
std::vector<RecordRow> readRows(File &db, const ExchangeTable &table, const char *where, qint64 id, bool asText,
                                bool single)
{
    Query query(db, selectText(table, where));
    query.bind(1, asText ? QVariant(QString::number(id)) : QVariant(id));
    std::vector<RecordRow> rows;
    while (query.next()) {
        RecordRow row;
        row.reserve(table.fields.size());
        for (size_t i = 0; i < table.fields.size(); ++i) {
            const ExchangeField &field = table.fields[i];
            try {
                row.emplace_back(field.name, readValue(query, int(i), field));
            } catch (const ExchangeError &e) {
                const qsizetype number = single ? 0 : qsizetype(rows.size()) + 1;
                throw ExchangeError(valuePlace(id, table.name, number, field.name) + QStringLiteral(": ") + e.message());
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

qint64 StatementRecord::detailRowCount() const
{
    qint64 count = 0;
    for (const auto &table : details)
        count += qint64(table.second.size());
    return count;
}

const ExchangeField *ExchangeTable::field(const QString &fieldName) const
{
    for (const ExchangeField &f : fields)
        if (f.name == fieldName)
            return &f;
    return nullptr;
}

QString valuePlace(qint64 statement, const QString &table, qsizetype row, const QString &field)
{
    const QString rowText = row > 0 ? QStringLiteral("%1 row %2").arg(table).arg(row) : table;
    return QStringLiteral("statement %1, %2, %3").arg(statement).arg(rowText, field);
}

const ExchangeTable &statementClientTable()
{
    return tables().client;
}

const ExchangeTable &statementTotalsTable()
{
    return tables().totals;
}

const std::vector<ExchangeTable> &statementDetailTables()
{
    return tables().details;
}

const ExchangeTable *statementTable(const QString &name)
{
    if (name == statementClientTable().name)
        return &statementClientTable();
    if (name == statementTotalsTable().name)
        return &statementTotalsTable();
    for (const ExchangeTable &table : statementDetailTables())
        if (table.name == name)
            return &table;
    return nullptr;
}

template <class File>
StatementRecord readStatementOf(File &db, qint64 id, int version)
{
    try {
        StatementRecord record;
        std::vector<RecordRow> client =
            readRows(db, fieldsOfVersion(statementClientTable(), version), "\"Id\" = ?", id, false, true);
        if (client.empty())
            throw ExchangeError(QStringLiteral("There is no statement %1").arg(id));
        record.client = std::move(client.front());
        // A statement has one totals row; should a file hold more, the first counts, as in
        // the program's own tables.
        std::vector<RecordRow> totals =
            readRows(db, fieldsOfVersion(statementTotalsTable(), version), "\"ClientId\" = ?", id, true, true);
        if (!totals.empty())
            record.totals = std::move(totals.front());
        for (const ExchangeTable &table : statementDetailTables())
            record.details.emplace_back(
                table.name, readRows(db, fieldsOfVersion(table, version), "\"ClientId\" = ?", id, true, false));
        return record;
    } catch (const EngineError &e) {
        throw ExchangeError(QStringLiteral("The statement file cannot be read: %1").arg(e.message()));
    }
}

StatementRecord readStatement(Connection &file, qint64 id)
{
    int version = Database::UserVersion;
    try {
        Query query(file, "PRAGMA user_version");
        if (query.next())
            version = Database::versionOf(int(query.integer(0)));
    } catch (const EngineError &e) {
        throw ExchangeError(QStringLiteral("The statement file cannot be read: %1").arg(e.message()));
    }
    if (!Database::knownUserVersion(version))
        throw ExchangeError(QStringLiteral("The statement file has a version this program does not know (%1)").arg(version));
    return readStatementOf(file, id, version);
}

StatementRecord readStatement(Tdm1 &dm, const QString &id)
{
    bool ok = false;
    const qint64 key = id.toLongLong(&ok);
    if (!ok)
        throw ExchangeError(QStringLiteral("There is no statement %1").arg(id));
    return readStatementOf(dm.db1, key, Database::UserVersion);
}

std::vector<qint64> statementIds(Connection &file)
{
    try {
        std::vector<qint64> ids;
        Query query(file, "SELECT \"Id\" FROM \"Client\" ORDER BY \"Id\"");
        while (query.next())
            ids.push_back(query.integer(0));
        return ids;
    } catch (const EngineError &e) {
        throw ExchangeError(QStringLiteral("The statement file cannot be read: %1").arg(e.message()));
    }
}
