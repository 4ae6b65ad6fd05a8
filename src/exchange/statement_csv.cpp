#include "statement_csv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include "data/engine/database.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/private_file.h"
#include "exchange/statement_rules.h"

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

// A text a spreadsheet would take for a formula (or, after a tab or a carriage return, for
// the start of one) gets an apostrophe in front, as it would if typed into a cell. So that
// the rule can be undone exactly, a text of apostrophes in front of such a character gets
// one more apostrophe as well.
QString neutralised(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == u'\'')
        ++first;
    if (first == text.size())
        return text;
    switch (text[first].unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
        return u'\'' + text;
    default:
        return text;
    }
}

// Plain decimals: never an exponent or a thousands separator, never a lost digit.
QString dollars(double value)
{
    const QString text = QString::number(value, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString percent(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// Exact, from the whole ten-thousandths: two decimals, the third and fourth where they are
// not zero.
QString monthly(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? quint64(-(tenThousandths + 1)) + 1 : quint64(tenThousandths);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    const QString text = QString::number(magnitude / 10000) + u'.' + fraction;
    return negative ? u'-' + text : text;
}

QString cellText(const ExchangeTable &table, const ExchangeField &field, const QVariant &value)
{
    if (!value.isValid())
        return {};
    switch (field.kind) {
    case FieldKind::Text:
        return neutralised(value.toString());
    case FieldKind::Float:
        return StatementRules::isPercentField(table.name, field.name) ? percent(value.toDouble())
                                                                      : dollars(value.toDouble());
    case FieldKind::Currency:
    case FieldKind::Key:
        return monthly(value.toLongLong());
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
            cells << quoted(cellText(table, field, values.value(field.name)));
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
            // A write whose last step failed may have left its file in place: it is removed
            // with the others, unless something (a link) had that name before.
            const QFileInfo entry(path);
            const bool newName = !entry.exists() && !entry.isSymLink();
            if (newName)
                written << path;
            writePrivateFile(path, content);
            if (!newName)
                written << path;
        }
    } catch (...) {
        // A full disk half-way leaves no half set of files behind; none of them was there before.
        for (const QString &path : written)
            QFile::remove(path);
        throw;
    }
    return written;
}
