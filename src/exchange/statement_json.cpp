#include "statement_json.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "crypt/crypt_error.h"
#include "crypt/envelope_session.h"
#include "data/engine/database.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/private_file.h"
#include "exchange/statement_insert.h"
#include "exchange/statement_rules.h"
#include "exchange/strict_json.h"

namespace StatementJson {

namespace {

constexpr double TenThousandths = 10000.0;

QJsonValue jsonValue(const ExchangeField &field, const QVariant &value)
{
    switch (field.kind) {
    case FieldKind::Text:
        return value.toString();
    case FieldKind::Float:
        return value.isValid() ? QJsonValue(value.toDouble()) : QJsonValue(QJsonValue::Null);
    case FieldKind::Currency:
    case FieldKind::Key:
        return value.isValid() ? QJsonValue(double(value.toLongLong()) / TenThousandths) : QJsonValue(QJsonValue::Null);
    }
    return {};
}

QJsonObject jsonRow(const ExchangeTable &table, const RecordRow &row)
{
    QJsonObject object;
    for (const auto &[name, value] : row)
        if (const ExchangeField *field = table.field(name))
            object.insert(name, jsonValue(*field, value));
    return object;
}

// Where a problem lies: the file and the JSON path inside it.
class Location
{
public:
    Location(const QString &source, QString path) : m_source(source), m_path(std::move(path)) {}
    Location key(const QString &name) const { return {m_source, m_path + u'.' + name}; }
    Location index(qsizetype i) const { return {m_source, m_path + QStringLiteral("[%1]").arg(i)}; }
    [[noreturn]] void fail(const QString &what) const
    {
        throw ExchangeError(QStringLiteral("%1: %2: %3").arg(m_source, m_path, what));
    }

private:
    const QString &m_source;
    QString m_path;
};

QString kindOfJson(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

QVariant fieldValue(const ExchangeTable &table, const ExchangeField &field, const QJsonValue &value, const Location &at)
{
    if (field.kind == FieldKind::Text) {
        if (value.isNull())
            return QString();
        if (!value.isString())
            at.fail(QStringLiteral("%1 where a text belongs").arg(kindOfJson(value)));
        if (const QString problem = StatementRules::textProblem(table, field, value.toString()); !problem.isEmpty())
            at.fail(problem);
        return value.toString();
    }
    if (value.isNull())
        return {};
    if (value.isString())
        at.fail(QStringLiteral("a text where an amount belongs"));
    if (!value.isDouble())
        at.fail(QStringLiteral("%1 where an amount belongs").arg(kindOfJson(value)));
    const double amount = value.toDouble();
    if (const QString problem = StatementRules::amountProblem(field, amount); !problem.isEmpty())
        at.fail(problem);
    if (field.kind == FieldKind::Float)
        return amount;
    return QVariant(qint64(std::llround(amount * TenThousandths)));
}

RecordRow recordRow(const ExchangeTable &table, const QJsonValue &value, const Location &at, int version)
{
    if (!value.isObject())
        at.fail(QStringLiteral("%1 where a row of %2 (an object) belongs").arg(kindOfJson(value), table.name));
    const QJsonObject object = value.toObject();
    RecordRow row;
    row.reserve(size_t(object.size()));
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Location fieldAt = at.key(it.key());
        const ExchangeField *field = table.field(it.key());
        if (!field)
            fieldAt.fail(QStringLiteral("%1 has no field %2").arg(table.name, it.key()));
        if (field->sinceVersion > version)
            fieldAt.fail(QStringLiteral("%1 has no field %2 in version %3 of the format")
                             .arg(table.name, it.key())
                             .arg(version));
        row.emplace_back(field->name, fieldValue(table, *field, it.value(), fieldAt));
    }
    return row;
}

} // namespace

QByteArray toJson(const StatementRecord &record)
{
    QJsonObject statement;
    statement.insert(statementClientTable().name, jsonRow(statementClientTable(), record.client));
    if (!record.totals.empty())
        statement.insert(statementTotalsTable().name, jsonRow(statementTotalsTable(), record.totals));
    for (const auto &[tableName, rows] : record.details) {
        const ExchangeTable *table = statementTable(tableName);
        QJsonArray array;
        for (const RecordRow &row : rows)
            array.append(jsonRow(*table, row));
        statement.insert(tableName, array);
    }
    QJsonObject file;
    file.insert(QStringLiteral("format"), QString::fromLatin1(FormatName));
    file.insert(QStringLiteral("version"), FormatVersion);
    file.insert(QStringLiteral("statement"), statement);
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

StatementRecord fromJson(const QByteArray &json, const QString &source)
{
    const qsizetype begin = checkStrictJson(json, source, MaxDepth);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(begin == 0 ? json : json.sliced(begin), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw ExchangeError(QStringLiteral("%1: not a JSON file (%2 at byte %3)")
                                .arg(source, parseError.errorString())
                                .arg(parseError.offset));
    const Location root(source, QStringLiteral("$"));
    if (!document.isObject())
        root.fail(QStringLiteral("a statement file is an object"));
    const QJsonObject file = document.object();
    for (auto it = file.begin(); it != file.end(); ++it)
        if (it.key() != QLatin1String("format") && it.key() != QLatin1String("version")
            && it.key() != QLatin1String("statement"))
            root.key(it.key()).fail(QStringLiteral("not part of a statement file"));
    if (file.value(QStringLiteral("format")) != QJsonValue(QString::fromLatin1(FormatName)))
        root.key(QStringLiteral("format")).fail(QStringLiteral("not a Worthsheet statement file (\"format\" must be \"%1\")")
                                                    .arg(QString::fromLatin1(FormatName)));
    const QJsonValue version = file.value(QStringLiteral("version"));
    const double versionNumber = version.isDouble() ? version.toDouble() : 0;
    if (!version.isDouble() || versionNumber != std::floor(versionNumber) || versionNumber < OldestFormatVersion
        || versionNumber > FormatVersion)
        root.key(QStringLiteral("version"))
            .fail(QStringLiteral("unknown format version %1; this program reads versions %2 to %3")
                      .arg(version.isDouble() ? QString::number(versionNumber) : kindOfJson(version))
                      .arg(OldestFormatVersion)
                      .arg(FormatVersion));
    const int fileVersion = int(versionNumber);
    const Location statementAt = root.key(QStringLiteral("statement"));
    const QJsonValue statementValue = file.value(QStringLiteral("statement"));
    if (!statementValue.isObject())
        statementAt.fail(QStringLiteral("%1 where the statement (an object) belongs").arg(kindOfJson(statementValue)));
    const QJsonObject statement = statementValue.toObject();

    for (auto it = statement.begin(); it != statement.end(); ++it)
        if (!statementTable(it.key()))
            statementAt.key(it.key()).fail(QStringLiteral("unknown table %1").arg(it.key()));

    StatementRecord record;
    const QString clientName = statementClientTable().name;
    if (!statement.contains(clientName))
        statementAt.fail(QStringLiteral("the statement has no %1").arg(clientName));
    record.client =
        recordRow(statementClientTable(), statement.value(clientName), statementAt.key(clientName), fileVersion);
    const QString totalsName = statementTotalsTable().name;
    if (statement.contains(totalsName))
        record.totals = recordRow(statementTotalsTable(), statement.value(totalsName), statementAt.key(totalsName),
                                  fileVersion);
    qsizetype detailRows = 0;
    for (const ExchangeTable &table : statementDetailTables()) {
        std::vector<RecordRow> rows;
        const Location tableAt = statementAt.key(table.name);
        const QJsonValue value = statement.value(table.name);
        if (!value.isUndefined() && !value.isNull()) {
            if (!value.isArray())
                tableAt.fail(QStringLiteral("%1 where the rows of %2 (a list) belong").arg(kindOfJson(value), table.name));
            const QJsonArray array = value.toArray();
            detailRows += array.size();
            if (detailRows > MaxDetailRows)
                tableAt.fail(QStringLiteral("more than %1 rows in all; a statement file holds no more").arg(MaxDetailRows));
            rows.reserve(size_t(array.size()));
            for (qsizetype i = 0; i < array.size(); ++i)
                rows.push_back(recordRow(table, array.at(i), tableAt.index(i), fileVersion));
        }
        record.details.emplace_back(table.name, std::move(rows));
    }
    return record;
}

bool isEncryptedFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && EnvelopeSession::looksEncrypted(file.read(EnvelopeFormat::FixedBytes));
}

QByteArray fileBytes(const StatementRecord &record, const QString &password)
{
    const QByteArray json = toJson(record);
    if (password.isEmpty())
        return json;
    try {
        return EnvelopeSession::create(json, password).envelope;
    } catch (const CryptError &e) {
        throw ExchangeError(e.message());
    }
}

StatementRecord readFile(const QString &path, const QString &password)
{
    // An encrypted file holds at most as much JSON as a plain one, and its envelope.
    const qint64 largest = EnvelopeFormat::fileSize(MaxFileBytes);
    const QFileInfo info(path);
    if (!info.exists())
        throw ExchangeError(QStringLiteral("%1: no such file").arg(path));
    if (info.isDir())
        throw ExchangeError(QStringLiteral("%1: a folder, not a statement file").arg(path));
    if (info.size() > largest)
        throw ExchangeError(QStringLiteral("%1: %2 bytes, larger than a statement file can be (%3 bytes)")
                                .arg(path)
                                .arg(info.size())
                                .arg(MaxFileBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeError(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    // The size may have changed since it was looked at (or a device has none): read no more
    // than the limit allows.
    QByteArray json = file.read(largest + 1);
    if (EnvelopeSession::looksEncrypted(json)) {
        if (password.isEmpty())
            throw ExchangeError(QStringLiteral("%1: the statement file is encrypted; it opens only with its password").arg(path));
        try {
            json = EnvelopeSession::open(json, password).payload;
        } catch (const CryptError &e) {
            throw ExchangeError(QStringLiteral("%1: %2").arg(path, e.message()));
        }
    }
    if (json.size() > MaxFileBytes)
        throw ExchangeError(QStringLiteral("%1: larger than a statement file can be (%2 bytes)").arg(path).arg(MaxFileBytes));
    return fromJson(json, path);
}

} // namespace StatementJson

void exportStatementJson(Tdm1 &dm, const QString &id, const QString &path, const QString &password)
{
    writePrivateFile(path, StatementJson::fileBytes(readStatement(dm, id), password));
}

QString importStatementJson(Tdm1 &dm, const QString &path, const QString &password)
{
    return insertStatements(dm, {StatementJson::readFile(path, password)}).front();
}
