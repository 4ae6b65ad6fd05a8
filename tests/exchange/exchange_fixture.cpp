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
    return statementDump(db.path(), id);
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
