#include "statement_csv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "data/engine/database.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/private_file.h"

namespace StatementCsv {

namespace {

QByteArray quoted(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QString cellText(const ExchangeField &field, const QVariant &value)
{
    if (!value.isValid())
        return {};
    switch (field.kind) {
    case FieldKind::Text:
        return value.toString();
    case FieldKind::Float:
        return Field::formatFloat(value.toDouble());
    case FieldKind::Currency:
    case FieldKind::Key:
        return Field::formatCurrencyUnits(value.toLongLong());
    }
    return {};
}

} // namespace

QByteArray tableCsv(const ExchangeTable &table, const std::vector<RecordRow> &rows)
{
    QByteArray csv;
    QByteArrayList header;
    for (const ExchangeField &field : table.fields)
        header << quoted(field.name);
    csv += header.join(',') + "\r\n";
    for (const RecordRow &row : rows) {
        QHash<QString, QVariant> values;
        for (const auto &[name, value] : row)
            values.insert(name, value);
        QByteArrayList cells;
        for (const ExchangeField &field : table.fields)
            cells << quoted(cellText(field, values.value(field.name)));
        csv += cells.join(',') + "\r\n";
    }
    return csv;
}

QString fileName(const ExchangeTable &table)
{
    return table.name + QStringLiteral(".csv");
}

} // namespace StatementCsv

QStringList exportStatementCsv(Tdm1 &dm, const QString &id, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        throw ExchangeError(QStringLiteral("%1: no such folder").arg(folder));
    const StatementRecord record = readStatement(dm, id);

    std::vector<std::pair<QString, QByteArray>> files;
    const QDir dir(folder);
    const auto add = [&](const ExchangeTable &table, const std::vector<RecordRow> &rows) {
        files.emplace_back(dir.filePath(StatementCsv::fileName(table)), StatementCsv::tableCsv(table, rows));
    };
    add(statementClientTable(), {record.client});
    add(statementTotalsTable(), record.totals.empty() ? std::vector<RecordRow>{} : std::vector<RecordRow>{record.totals});
    for (const auto &[tableName, rows] : record.details)
        add(*statementTable(tableName), rows);

    // Files the user already has there are never replaced.
    for (const auto &file : files)
        if (QFileInfo::exists(file.first))
            throw ExchangeError(QStringLiteral("%1 already exists; nothing was written. Choose an empty folder.").arg(file.first));
    QStringList written;
    try {
        for (const auto &[path, content] : files) {
            writePrivateFile(path, content);
            written << path;
        }
    } catch (...) {
        // A full disk half-way leaves no half set of files behind.
        for (const QString &path : written)
            QFile::remove(path);
        throw;
    }
    return written;
}
