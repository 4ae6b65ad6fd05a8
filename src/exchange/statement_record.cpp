#include "statement_record.h"

#include <cmath>

#include <SQLiteCpp/SQLiteCpp.h>

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

ExchangeTable readTable(SQLite::Database &schema, const QString &name)
{
    ExchangeTable table{name, {}};
    SQLite::Statement info(schema, "SELECT name, type, pk FROM pragma_table_info(?)");
    info.bind(1, name.toStdString());
    while (info.executeStep()) {
        const QString field = QString::fromUtf8(info.getColumn(0).getText());
        const FieldKind kind = fieldKindOfDeclaredType(QString::fromUtf8(info.getColumn(1).getText()),
                                                      info.getColumn(2).getInt() != 0);
        if (kind == FieldKind::Key || field.compare(QLatin1String("ClientId"), Qt::CaseInsensitive) == 0)
            continue;
        table.fields.push_back({field, kind});
    }
    return table;
}

const StatementTables &tables()
{
    static const StatementTables built = [] {
        SQLite::Database schema(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        schema.exec(schemaSql());
        StatementTables result;
        result.client = readTable(schema, QStringLiteral("Client"));
        result.totals = readTable(schema, QStringLiteral("FSPro"));
        SQLite::Statement names(schema, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
                                        "AND name NOT IN ('User', 'Client', 'FSPro') ORDER BY rowid");
        while (names.executeStep())
            result.details.push_back(readTable(schema, QString::fromUtf8(names.getColumn(0).getText())));
        return result;
    }();
    return built;
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
QVariant readValue(SQLite::Statement &query, int column, const ExchangeField &field)
{
    const SQLite::Column value = query.getColumn(column);
    switch (field.kind) {
    case FieldKind::Text: {
        if (value.isNull())
            return QString();
        // Whole, a NUL inside included: what the file holds is what is carried.
        const char *text = value.getText();
        return QString::fromUtf8(text, value.getBytes());
    }
    case FieldKind::Float:
    case FieldKind::Currency:
    case FieldKind::Key:
        break;
    }
    if (value.isNull())
        return {};
    if (value.getType() == SQLite::TEXT) {
        // An amount stored as text by another program: a number is kept, anything else is
        // not an amount and cannot be carried over.
        double parsed = 0;
        const QString text = QString::fromUtf8(value.getText());
        if (text.trimmed().isEmpty())
            return {};
        // Currency holds whole ten-thousandths in 64 bits.
        if (!Field::parseNumber(text, &parsed)
            || (field.kind == FieldKind::Currency && std::fabs(parsed) >= 9.2e18))
            throw ExchangeError(QStringLiteral("holds \"%1\", which is not an amount").arg(text));
        return field.kind == FieldKind::Currency ? QVariant(qint64(std::llround(parsed))) : QVariant(parsed);
    }
    if (field.kind == FieldKind::Currency)
        return QVariant(qint64(value.getInt64()));
    // Another program may have stored an infinity; it is no amount and has no JSON form.
    const double amount = value.getDouble();
    if (!std::isfinite(amount))
        throw ExchangeError(QStringLiteral("holds a value that is not a finite number"));
    return QVariant(amount);
}

std::vector<RecordRow> readRows(SQLite::Database &db, const ExchangeTable &table, const char *where, qint64 id,
                                bool asText, bool single)
{
    SQLite::Statement query(db, selectText(table, where));
    if (asText)
        query.bind(1, std::to_string(id));
    else
        query.bind(1, static_cast<int64_t>(id));
    std::vector<RecordRow> rows;
    while (query.executeStep()) {
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

StatementRecord readStatement(SQLite::Database &db, qint64 id)
{
    try {
        StatementRecord record;
        std::vector<RecordRow> client = readRows(db, statementClientTable(), "\"Id\" = ?", id, false, true);
        if (client.empty())
            throw ExchangeError(QStringLiteral("There is no statement %1").arg(id));
        record.client = std::move(client.front());
        // A statement has one totals row; should a file hold more, the first counts, as in
        // the program's own tables.
        std::vector<RecordRow> totals = readRows(db, statementTotalsTable(), "\"ClientId\" = ?", id, true, true);
        if (!totals.empty())
            record.totals = std::move(totals.front());
        for (const ExchangeTable &table : statementDetailTables())
            record.details.emplace_back(table.name, readRows(db, table, "\"ClientId\" = ?", id, true, false));
        return record;
    } catch (const SQLite::Exception &e) {
        throw ExchangeError(QStringLiteral("The statement file cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
}

StatementRecord readStatement(Tdm1 &dm, const QString &id)
{
    bool ok = false;
    const qint64 key = id.toLongLong(&ok);
    if (!ok)
        throw ExchangeError(QStringLiteral("There is no statement %1").arg(id));
    return readStatement(dm.db1.sql(), key);
}

std::vector<qint64> statementIds(SQLite::Database &db)
{
    try {
        std::vector<qint64> ids;
        SQLite::Statement query(db, "SELECT \"Id\" FROM \"Client\" ORDER BY \"Id\"");
        while (query.executeStep())
            ids.push_back(query.getColumn(0).getInt64());
        return ids;
    } catch (const SQLite::Exception &e) {
        throw ExchangeError(QStringLiteral("The statement file cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
}
