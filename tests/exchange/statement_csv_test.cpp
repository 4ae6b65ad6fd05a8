#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <sys/stat.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include "data/schema.h"
#include "exchange/exchange_error.h"
#include "exchange/statement_csv.h"
#include "exchange_fixture.h"
#include "support/full_statement.h"

namespace {

// Python's csv module as the independent reader: every file of the folder as
// {"Table": [[header...], [row...], ...]}.
const char ReadBack[] = R"(
import csv, json, os, sys
folder = sys.argv[1]
out = {}
for name in sorted(os.listdir(folder)):
    with open(os.path.join(folder, name), newline='', encoding='utf-8', errors='strict') as f:
        out[name[:-4]] = list(csv.reader(f, strict=True))
print(json.dumps(out))
)";

class StatementCsvTest : public ExchangeTest
{
protected:
    QJsonObject readBack(const QString &folder)
    {
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(ReadBack), folder});
        EXPECT_TRUE(python.waitForFinished(30000));
        EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    }

    QString folder() const { return db.folder() + QStringLiteral("/csv"); }
};

TEST_F(StatementCsvTest, EveryTableReadsBackWithEveryRowAndField)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    const QStringList written = exportStatementCsv(*dm, fullId, folder());
    const QJsonObject tables = readBack(folder());
    EXPECT_EQ(tables.size(), written.size());
    ASSERT_EQ(tables.size(), 19); // Client, FSPro and seventeen detail tables

    SQLite::Database file(db.path().toStdString(), SQLite::OPEN_READONLY);
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        const QString table = it.key();
        const QJsonArray lines = it.value().toArray();
        ASSERT_FALSE(lines.isEmpty()) << table.toStdString();
        const QJsonArray header = lines.at(0).toArray();
        const QString where = table == QLatin1String("Client") ? QStringLiteral("Id = ") + fullId
                                                               : QStringLiteral("ClientId = '%1'").arg(fullId);
        SQLite::Statement rows(file, QStringLiteral("SELECT * FROM \"%1\" WHERE %2 ORDER BY rowid").arg(table, where).toStdString());
        int line = 1;
        while (rows.executeStep()) {
            ASSERT_LT(line, lines.size()) << table.toStdString();
            const QJsonArray cells = lines.at(line).toArray();
            ASSERT_EQ(cells.size(), header.size());
            int cell = 0;
            for (int i = 0; i < rows.getColumnCount(); ++i) {
                const QString name = QString::fromUtf8(rows.getColumnName(i));
                if (name == QLatin1String("Id") || name == QLatin1String("ClientId"))
                    continue;
                EXPECT_EQ(header.at(cell).toString(), name);
                const QString text = cells.at(cell).toString();
                const SQLite::Column value = rows.getColumn(i);
                if (value.isNull())
                    EXPECT_EQ(text, QString()) << name.toStdString();
                else if (value.getType() == SQLite::FLOAT)
                    // Dollars to the cent, percentages as stored.
                    EXPECT_NEAR(text.toDouble(), value.getDouble(), name.startsWith(QLatin1String("Percent")) ? 0 : 0.005)
                        << table.toStdString() << '.' << name.toStdString() << " = " << text.toStdString();
                else if (value.getType() == SQLite::INTEGER)
                    EXPECT_DOUBLE_EQ(text.toDouble(), double(value.getInt64()) / 10000) << name.toStdString();
                else
                    EXPECT_EQ(text, QString::fromUtf8(value.getText())) << table.toStdString() << '.' << name.toStdString();
                ++cell;
            }
            EXPECT_EQ(cell, header.size());
            ++line;
        }
        EXPECT_EQ(line, lines.size()) << table.toStdString();
    }
    // The texts that need quoting came through whole.
    EXPECT_EQ(tables.value(QStringLiteral("Client")).toArray().at(1).toArray().contains(TrickyText), true);
    EXPECT_EQ(tables.value(QStringLiteral("Investments")).toArray().at(1).toArray().contains(TrickyText), true);
}

// Reads Cash.csv, Incomes.csv and RealEstate.csv of the folder as another program would:
// each row as {field: cell}, and each text with the documented apostrophe taken off again.
const char ReadCells[] = R"(
import csv, json, os, sys
def typed(text):
    rest = text.lstrip("'")
    return text[1:] if rest[:1] in ('=', '+', '-', '@', '\t', '\r') else text
out = {}
for table in ('Cash', 'Incomes', 'RealEstate'):
    with open(os.path.join(sys.argv[1], table + '.csv'), newline='', encoding='utf-8') as f:
        rows = list(csv.DictReader(f, strict=True))
    out[table] = [{'cells': row, 'typed': {k: typed(v) for k, v in row.items()}} for row in rows]
print(json.dumps(out))
)";

TEST_F(StatementCsvTest, NoTextStartsAFormulaAndEveryAmountIsAPlainDecimalToTheCent)
{
    struct Case
    {
        const char *table;
        const char *field;
        QVariant stored;  // a text, a float or ten-thousandths
        const char *cell; // as the spreadsheet reads it
    };
    const std::vector<Case> cases = {
        {"Cash", "RegisteredName", QStringLiteral("=HYPERLINK(\"http://x.example\",\"pay\")"),
         "'=HYPERLINK(\"http://x.example\",\"pay\")"},
        {"Cash", "RegisteredName", QStringLiteral("+1 555 0100"), "'+1 555 0100"},
        {"Cash", "RegisteredName", QStringLiteral("-2+3"), "'-2+3"},
        {"Cash", "RegisteredName", QStringLiteral("@SUM(A1:A9)"), "'@SUM(A1:A9)"},
        {"Cash", "RegisteredName", QStringLiteral("\t=1+1"), "'\t=1+1"},
        {"Cash", "RegisteredName", QStringLiteral("\r=1+1"), "'\r=1+1"},
        // Apostrophes in front of such a character get one more, so the rule can be undone.
        {"Cash", "RegisteredName", QStringLiteral("''=x"), "'''=x"},
        {"Cash", "RegisteredName", QStringLiteral("'Tis mine"), "'Tis mine"},
        {"Cash", "RegisteredName", QStringLiteral("'"), "'"},
        {"Cash", "RegisteredName", QStringLiteral("A=B-C"), "A=B-C"},
        // A carriage return alone ends a line to a spreadsheet as much as one before a line feed.
        {"Cash", "RegisteredName", QStringLiteral("first\rsecond"), "first\rsecond"},
        {"Cash", "Balance", 1e13 + 0.01, "10000000000000.01"},
        {"Cash", "Balance", 1e13 + 0.99, "10000000000000.99"},
        {"Cash", "Balance", 1e15, "1000000000000000.00"},
        {"Cash", "Balance", -999999999999999.75, "-999999999999999.75"},
        {"Cash", "Balance", 1234.5, "1234.50"},
        {"Cash", "Balance", 0.1 + 0.2, "0.30"},
        {"Cash", "Balance", -0.001, "0.00"},
        {"Cash", "Balance", -150000.0, "-150000.00"},
        {"Incomes", "MAmount", qint64(1000000000000000000), "100000000000000.00"},
        {"Incomes", "MAmount", qint64(1041667), "104.1667"},
        {"Incomes", "MAmount", qint64(-1001000), "-100.10"},
        {"Incomes", "MAmount", qint64(50000000), "5000.00"},
        {"RealEstate", "PercentOwned", 33.333, "33.333"},
        {"RealEstate", "PercentOwned", 100.0, "100"},
    };
    const QString id = addClient(QStringLiteral("Ada"), QStringLiteral("Okafor"));
    {
        SQLite::Database file(db.path().toStdString(), SQLite::OPEN_READWRITE);
        for (const Case &c : cases) {
            SQLite::Statement insert(file, QStringLiteral("INSERT INTO \"%1\" (ClientId, \"%2\") VALUES (?, ?)")
                                               .arg(QLatin1String(c.table), QLatin1String(c.field))
                                               .toStdString());
            insert.bind(1, id.toStdString());
            if (c.stored.typeId() == QMetaType::QString)
                insert.bind(2, c.stored.toString().toStdString());
            else if (c.stored.typeId() == QMetaType::LongLong)
                insert.bind(2, static_cast<int64_t>(c.stored.toLongLong()));
            else
                insert.bind(2, c.stored.toDouble());
            insert.exec();
        }
    }
    ASSERT_TRUE(QDir().mkpath(folder()));
    exportStatementCsv(*dm, id, folder());

    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(ReadCells), folder()});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject tables = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QHash<QString, qsizetype> nextRow;
    for (const Case &c : cases) {
        const QString table = QLatin1String(c.table);
        const QJsonObject row = tables.value(table).toArray().at(nextRow[table]++).toObject();
        const QString field = QLatin1String(c.field);
        EXPECT_EQ(row.value(QStringLiteral("cells")).toObject().value(field).toString(), QString::fromUtf8(c.cell))
            << table.toStdString() << '.' << c.field << " of " << c.stored.toString().toStdString();
        if (c.stored.typeId() == QMetaType::QString)
            EXPECT_EQ(row.value(QStringLiteral("typed")).toObject().value(field).toString(), c.stored.toString());
    }
}

TEST_F(StatementCsvTest, FilesAreTheOwnersAloneWithPlainNumbersAndCrlfLines)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    for (const QString &path : exportStatementCsv(*dm, fullId, folder())) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << path.toStdString();
    }
    QFile cash(folder() + QStringLiteral("/Cash.csv"));
    ASSERT_TRUE(cash.open(QIODevice::ReadOnly));
    const QByteArray text = cash.readAll();
    EXPECT_TRUE(text.startsWith("RegisteredName,Type,Bank,AccountNumber,Balance,Pledged,PledgedTo\r\n")) << text.left(80).toStdString();
    EXPECT_TRUE(text.contains(",1000.25,")) << text.toStdString();
    QFile incomes(folder() + QStringLiteral("/Incomes.csv"));
    ASSERT_TRUE(incomes.open(QIODevice::ReadOnly));
    EXPECT_FALSE(incomes.readAll().contains('$'));
}

TEST_F(StatementCsvTest, AFolderThatAlreadyHoldsOneOfTheFilesGetsNone)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    QFile mine(folder() + QStringLiteral("/Taxes.csv"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("my own figures");
    mine.close();
    try {
        exportStatementCsv(*dm, fullId, folder());
        ADD_FAILURE() << "exported over an existing file";
    } catch (const ExchangeError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Taxes.csv already exists"))) << e.message().toStdString();
    }
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("Taxes.csv")});
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("my own figures"));
}

TEST_F(StatementCsvTest, AnExportFailingHalfWayLeavesNoneOfItsFiles)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    // Two syncs per file (the file, then its folder): a failure of the first file, of one half
    // way through (its data, or its name) and of the last one's name.
    int syncs = 0;
    {
        ScopedFileSystemCalls counting({.sync = [&](int) { return ++syncs > 0; }, .bytesAvailable = {}});
        exportStatementCsv(*dm, fullId, folder());
    }
    ASSERT_GE(syncs, 6);
    for (const QString &name : QDir(folder()).entryList(QDir::Files))
        ASSERT_TRUE(QFile::remove(folder() + '/' + name));
    const int half = (syncs / 4) * 2;
    for (const int failing : {1, half + 1, half + 2, syncs}) {
        SCOPED_TRACE(failing);
        int seen = 0;
        ScopedFileSystemCalls disk({.sync = [&](int) { return ++seen != failing; }, .bytesAvailable = {}});
        EXPECT_THROW(exportStatementCsv(*dm, fullId, folder()), ExchangeError);
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

// A spreadsheet that reads the columns by their place reads a file of version 1 and one of
// version 2 alike: the columns version 2 added come after the old ones.
TEST_F(StatementCsvTest, TheColumnsOfVersion2ComeAfterThoseOfVersion1)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    exportStatementCsv(*dm, fullId, folder());
    SQLite::Database version1(":memory:", SQLite::OPEN_READWRITE);
    version1.exec(schemaSqlOfVersion(1));
    int added = 0;
    for (const QString &name : QDir(folder()).entryList({QStringLiteral("*.csv")})) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QDir(folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList header = QString::fromUtf8(file.readLine()).trimmed().split(u',');
        QStringList old;
        SQLite::Statement info(version1, "SELECT name FROM pragma_table_info(?) WHERE pk = 0 AND name <> 'ClientId'");
        info.bind(1, QFileInfo(name).baseName().toStdString());
        while (info.executeStep())
            old << QString::fromUtf8(info.getColumn(0).getText());
        ASSERT_FALSE(old.isEmpty());
        EXPECT_EQ(header.mid(0, old.size()), old);
        added += int(header.size() - old.size());
    }
    EXPECT_EQ(added, 37) << "every field of version 2 is a column";
}

} // namespace
