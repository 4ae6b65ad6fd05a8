#include "exchange_fixture.h"

#include <QDir>
#include <QFile>

#include <SQLiteCpp/SQLiteCpp.h>

#include "support/full_statement.h"
#include "totals/totals.h"

void ExchangeTest::SetUp()
{
    DataModuleTest::SetUp();
    fullId = addFullStatement();
}

QString ExchangeTest::addFullStatement(const QString &lastName, int rowsPerTable)
{
    const QString id = writeFullStatement(*dm, rowsPerTable, lastName);
    selectStatement(*dm, id);
    RecalcAllTotals(*dm);
    dm->ClearStatementFilters();
    return id;
}

QString ExchangeTest::dump(const QString &id) const
{
    SQLite::Database connection(db.path().toStdString(), SQLite::OPEN_READONLY);
    QStringList lines;
    SQLite::Statement tables(connection, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
                                         "AND name <> 'User' ORDER BY rowid");
    while (tables.executeStep()) {
        const QString table = QString::fromUtf8(tables.getColumn(0).getText());
        const QString where = table == QLatin1String("Client") ? QStringLiteral("Id = ") + id
                                                               : QStringLiteral("ClientId = '%1'").arg(id);
        SQLite::Statement rows(connection, QStringLiteral("SELECT * FROM \"%1\" WHERE %2 ORDER BY rowid").arg(table, where).toStdString());
        int count = 0;
        while (rows.executeStep()) {
            ++count;
            QStringList fields;
            for (int i = 0; i < rows.getColumnCount(); ++i) {
                const QString name = QString::fromUtf8(rows.getColumnName(i));
                if (name == QLatin1String("Id") || name == QLatin1String("ClientId"))
                    continue;
                const SQLite::Column value = rows.getColumn(i);
                const QString text = value.isNull() ? QStringLiteral("<null>")
                    : value.getType() == SQLite::FLOAT ? QString::number(value.getDouble(), 'g', 17)
                                                       : QString::fromUtf8(value.getText());
                fields << name + u'=' + text;
            }
            lines << table + u':' + fields.join(u'|');
        }
        lines << QStringLiteral("%1 rows: %2").arg(table).arg(count);
    }
    return lines.join(u'\n');
}

qint64 ExchangeTest::statementCount() const
{
    return db.count(QStringLiteral("SELECT COUNT(*) FROM Client"));
}

QByteArray ExchangeTest::fileBytes() const
{
    QFile file(db.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double ExchangeTest::storedTotal(const QString &id, const QString &field) const
{
    return db.number(QStringLiteral("SELECT COALESCE(\"%1\", 0) FROM FSPro WHERE ClientId = '%2'").arg(field, id));
}

double ExchangeTest::sum(const QString &id, const QString &table, const QString &expression) const
{
    return db.number(QStringLiteral("SELECT COALESCE(SUM(%1), 0) FROM \"%2\" WHERE ClientId = '%3'").arg(expression, table, id));
}

QString ExchangeTest::writeFile(const QString &name, const QByteArray &content) const
{
    const QString path = QDir(db.folder()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}
