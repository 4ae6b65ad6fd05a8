#include "temp_database.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/schema.h"

TempDatabase::TempDatabase()
{
    m_path = m_dir.filePath(QStringLiteral("wks.ABS"));
    QString error;
    if (!createDatabaseFile(m_path, &error))
        ADD_FAILURE() << error.toStdString();
}

void TempDatabase::exec(const QString &sql) const
{
    SQLite::Database connection(m_path.toStdString(), SQLite::OPEN_READWRITE);
    connection.exec(sql.toStdString());
}

qint64 TempDatabase::count(const QString &sql) const
{
    SQLite::Database connection(m_path.toStdString(), SQLite::OPEN_READONLY);
    return connection.execAndGet(sql.toStdString()).getInt64();
}

QString TempDatabase::text(const QString &sql) const
{
    SQLite::Database connection(m_path.toStdString(), SQLite::OPEN_READONLY);
    return QString::fromStdString(connection.execAndGet(sql.toStdString()).getString());
}

double TempDatabase::number(const QString &sql) const
{
    SQLite::Database connection(m_path.toStdString(), SQLite::OPEN_READONLY);
    return connection.execAndGet(sql.toStdString()).getDouble();
}

void DataModuleTest::SetUp()
{
    connectDataModule();
}

void DataModuleTest::connectDataModule()
{
    dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(db.path());
    dm->db1.SetConnected(true);
    dm->OpenTables();
}

void DataModuleTest::TearDown()
{
    dm.reset();
}

QString DataModuleTest::addClient(const QString &first, const QString &last, const QString &middle,
                                  const QString &joint)
{
    Table &client = dm->tblClient;
    client.Append();
    client.FieldByName(QStringLiteral("FirstName")).SetAsString(first);
    client.FieldByName(QStringLiteral("LastName")).SetAsString(last);
    client.FieldByName(QStringLiteral("MiddleInitial")).SetAsString(middle);
    client.FieldByName(QStringLiteral("JointStatement")).SetAsString(joint);
    client.Post();
    return client.FieldByName(QStringLiteral("Id")).AsString();
}

void DataModuleTest::addTotalsRow(const QString &clientId)
{
    Table &totals = dm->tblFSPro;
    totals.Append();
    totals.FieldByName(QStringLiteral("ClientId")).SetAsString(clientId);
    totals.Post();
}

void DataModuleTest::reopen()
{
    dm->CloseTables();
    dm->OpenTables();
}

void DataModuleTest::changeWithProgramClosed(const QString &sql)
{
    dm.reset();
    db.exec(sql);
    connectDataModule();
}
