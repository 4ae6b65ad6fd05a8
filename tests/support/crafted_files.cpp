#include "crafted_files.h"

#include <QCryptographicHash>
#include <QFile>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "data/schema.h"

namespace {

void withSql(const QString &path, const char *sql)
{
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec(sql);
}

void triggerOnADetailTable(const QString &path)
{
    withSql(path, "CREATE TRIGGER wipe AFTER INSERT ON Cash BEGIN DELETE FROM Incomes; DELETE FROM Expenditure; END");
}

void triggerOnTotals(const QString &path)
{
    withSql(path, "CREATE TRIGGER wipe AFTER UPDATE ON FSPro BEGIN DELETE FROM Incomes; END");
}

void aView(const QString &path)
{
    withSql(path, "CREATE VIEW everyone AS SELECT SSN FROM Client");
}

void anExtraIndex(const QString &path)
{
    withSql(path, "CREATE INDEX Client_SSN ON Client (SSN)");
}

void anUnknownUserVersion(const QString &path)
{
    withSql(path, "PRAGMA user_version = 7");
}

// The index on LastName is made, for a moment, an index on FirstName, so that changing the
// last name leaves the index with the old one; then its definition is put back as ours.
void anIndexThatDisagreesWithItsTable(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
    const auto setIndexSql = [&](const char *column) {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("PRAGMA writable_schema = ON");
        db.exec(QString("UPDATE sqlite_master SET sql = 'CREATE INDEX \"Client_LastName\" ON \"Client\" (\"%1\" "
                        "COLLATE NOCASE)' WHERE name = 'Client_LastName'")
                    .arg(column)
                    .toStdString());
    };
    setIndexSql("FirstName");
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE Client SET LastName = 'Changed'");
    }
    setIndexSql("LastName");
}

// Our header with the size grown to 4 GiB without a byte on the disk.
void aSparseFileOf4GiB(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    QFile file(path);
    ASSERT_TRUE(file.resize(qint64(4) << 30));
}

} // namespace

void overwriteRootPage(const QString &path, const QString &name)
{
    qint64 page = 0, pageSize = 0;
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement root(db, "SELECT rootpage FROM sqlite_master WHERE name = ?");
        root.bind(1, name.toStdString());
        ASSERT_TRUE(root.executeStep()) << name.toStdString();
        page = root.getColumn(0).getInt64();
        pageSize = db.execAndGet("PRAGMA page_size").getInt64();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((page - 1) * pageSize);
    file.write(QByteArray(int(pageSize), '\x5a'));
}

void damagedIndexPage(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
    overwriteRootPage(path, QStringLiteral("Incomes_ClientId"));
}

void anIndexThatLies(const QString &path)
{
    anIndexThatDisagreesWithItsTable(path);
}

void fillOneStatement(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("INSERT INTO Client (Id, FirstName, LastName) VALUES (1, 'Ann', 'Crafted');"
            "INSERT INTO FSPro (ClientId) VALUES ('1');"
            "INSERT INTO Incomes (ClientId, Description, MAmount) VALUES ('1', 'Salary', 50000000);"
            "INSERT INTO Expenditure (ClientId, Description, MAmount) VALUES ('1', 'Rent', 10000000)");
}

const CraftedFile CraftedFiles[] = {
    {"TriggerOnADetailTable", triggerOnADetailTable, true},
    {"TriggerOnTotals", triggerOnTotals, true},
    {"View", aView, true},
    {"ExtraIndex", anExtraIndex, true},
    {"UnknownUserVersion", anUnknownUserVersion, true},
    {"IndexDisagreesWithItsTable", anIndexThatDisagreesWithItsTable, false},
    {"SparseFileOf4GiB", aSparseFileOf4GiB, true},
};
const int CraftedFileCount = int(std::size(CraftedFiles));

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    constexpr qint64 Whole = qint64(64) << 20, Part = qint64(1) << 20;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.size() <= Whole) {
        hash.addData(file.readAll());
        return hash.result();
    }
    hash.addData(QByteArray::number(file.size()));
    hash.addData(file.read(Part));
    file.seek(file.size() - Part);
    hash.addData(file.read(Part));
    return hash.result();
}
