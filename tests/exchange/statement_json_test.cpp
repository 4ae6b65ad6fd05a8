#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "exchange/exchange_error.h"
#include "exchange/statement_json.h"
#include "exchange_fixture.h"
#include "support/full_statement.h"

namespace {

class StatementJsonTest : public ExchangeTest
{
protected:
    QString exported()
    {
        const QString path = db.folder() + QStringLiteral("/statement.json");
        exportStatementJson(*dm, fullId, path);
        return path;
    }
    QByteArray exportedText()
    {
        QFile file(exported());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Imports the text and expects a refusal whose message holds every fragment, with the
    // database file byte for byte as before.
    void expectRefused(const QString &fileName, const QByteArray &text, const QStringList &fragments)
    {
        const QString path = writeFile(fileName, text);
        expectRefusedFile(path, fragments);
    }
    void expectRefusedFile(const QString &path, const QStringList &fragments)
    {
        const QByteArray before = fileBytes();
        const qint64 statements = statementCount();
        try {
            importStatementJson(*dm, path);
            ADD_FAILURE() << "imported " << path.toStdString();
        } catch (const ExchangeError &e) {
            EXPECT_TRUE(e.message().startsWith(path)) << e.message().toStdString();
            for (const QString &fragment : fragments)
                EXPECT_TRUE(e.message().contains(fragment)) << e.message().toStdString() << " lacks "
                                                            << fragment.toStdString();
        }
        EXPECT_EQ(statementCount(), statements);
        EXPECT_EQ(fileBytes(), before);
    }

    // The exported text with one replacement made.
    QByteArray exportedWith(const QByteArray &from, const QByteArray &to)
    {
        QByteArray text = exportedText();
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        return text.replace(from, to);
    }
};

TEST_F(StatementJsonTest, ExportedAndImportedJointStatementEqualsItsSourceFieldForField)
{
    const QString copy = importStatementJson(*dm, exported());
    EXPECT_NE(copy, fullId);
    EXPECT_EQ(statementCount(), 2);
    const QString source = dump(fullId);
    EXPECT_TRUE(source.contains(QStringLiteral("Cash rows: 4")));
    EXPECT_TRUE(source.contains(TrickyText));
    EXPECT_EQ(dump(copy), source);
}

TEST_F(StatementJsonTest, ImportedTotalsAreTheSumsOfTheImportedRowsNotTheFilesTotals)
{
    // The file claims other totals; the program forms its own.
    QJsonObject file = QJsonDocument::fromJson(exportedText()).object();
    QJsonObject statement = file.value(QStringLiteral("statement")).toObject();
    QJsonObject totals = statement.value(QStringLiteral("FSPro")).toObject();
    totals.insert(QStringLiteral("CashOnHand"), 1.5);
    totals.insert(QStringLiteral("NetWorth"), -7);
    statement.insert(QStringLiteral("FSPro"), totals);
    file.insert(QStringLiteral("statement"), statement);
    const QString id = importStatementJson(*dm, writeFile(QStringLiteral("claims.json"), QJsonDocument(file).toJson()));

    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("CashOnHand")), sum(id, QStringLiteral("Cash"), QStringLiteral("Balance")));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("InvestmentTotals")),
                     sum(id, QStringLiteral("Investments"), QStringLiteral("MarketValue")));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("BankLiability")), sum(id, QStringLiteral("Bank"), QStringLiteral("Amount")));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("IncomeTotal")), sum(id, QStringLiteral("Incomes"), QStringLiteral("Amount")));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("ExpenseTotal")),
                     sum(id, QStringLiteral("Expenditure"), QStringLiteral("Amount")));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("NetWorth")),
                     storedTotal(id, QStringLiteral("TotalAssets")) - storedTotal(id, QStringLiteral("TotalLiabilities")));
    EXPECT_GT(storedTotal(id, QStringLiteral("Stocks")), 0);
    EXPECT_EQ(dump(id), dump(fullId));
}

TEST_F(StatementJsonTest, ExportedFileIsTheOwnersAloneAndNamesItsFormat)
{
    const QString path = exported();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QJsonObject file = QJsonDocument::fromJson(exportedText()).object();
    EXPECT_EQ(file.value(QStringLiteral("format")).toString(), QString::fromLatin1(StatementJson::FormatName));
    EXPECT_EQ(file.value(QStringLiteral("version")).toInt(), StatementJson::FormatVersion);
    const QJsonObject client = file.value(QStringLiteral("statement")).toObject().value(QStringLiteral("Client")).toObject();
    EXPECT_FALSE(client.contains(QStringLiteral("Id")));
    EXPECT_EQ(client.value(QStringLiteral("Address")).toString(), TrickyText);
}

TEST_F(StatementJsonTest, ExportingAStatementThatDoesNotExistWritesNoFile)
{
    const QString path = db.folder() + QStringLiteral("/none.json");
    EXPECT_THROW(exportStatementJson(*dm, QStringLiteral("999"), path), ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(StatementJsonTest, AStoredValueThatIsNoAmountIsNotExportedAsOne)
{
    // Written by another program: an infinity in a float field, a word in a currency field.
    const QString path = db.folder() + QStringLiteral("/statement.json");
    db.exec(QStringLiteral("UPDATE Cash SET Balance = 1e999 WHERE rowid = (SELECT MIN(rowid) FROM Cash)"));
    try {
        exportStatementJson(*dm, fullId, path);
        ADD_FAILURE() << "exported an infinity";
    } catch (const ExchangeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cash.Balance holds a value that is not a finite number"));
    }
    db.exec(QStringLiteral("UPDATE Cash SET Balance = 5; UPDATE Incomes SET MAmount = 'lots'"));
    EXPECT_THROW(exportStatementJson(*dm, fullId, path), ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(StatementJsonTest, BadInputIsRefusedWithWhatAndWhereAndNothingStored)
{
    expectRefused(QStringLiteral("text.json"), "this is not JSON", {QStringLiteral("not a JSON file")});
    expectRefused(QStringLiteral("empty.json"), "", {QStringLiteral("not a JSON file")});
    expectRefused(QStringLiteral("list.json"), "[1, 2]", {QStringLiteral("$: a statement file is an object")});
    expectRefused(QStringLiteral("version.json"), exportedWith("\"version\": 1", "\"version\": 2"),
                  {QStringLiteral("$.version"), QStringLiteral("unknown format version 2")});
    expectRefused(QStringLiteral("format.json"), exportedWith("\"Worthsheet statement\"", "\"spreadsheet\""),
                  {QStringLiteral("$.format")});
    expectRefused(QStringLiteral("table.json"), exportedWith("\"Cash\": [", "\"Bitcoin\": [], \"Cash\": ["),
                  {QStringLiteral("$.statement.Bitcoin"), QStringLiteral("unknown table Bitcoin")});
    expectRefused(QStringLiteral("field.json"), exportedWith("\"Balance\": ", "\"Colour\": \"red\", \"Balance\": "),
                  {QStringLiteral("$.statement.Cash[0].Colour"), QStringLiteral("Cash has no field Colour")});
    expectRefused(QStringLiteral("key.json"), exportedWith("\"Balance\": ", "\"ClientId\": \"1\", \"Balance\": "),
                  {QStringLiteral("$.statement.Cash[0].ClientId")});
    expectRefused(QStringLiteral("amount.json"), exportedWith("\"Balance\": 1000.25", "\"Balance\": \"1000.25\""),
                  {QStringLiteral("$.statement.Cash[0].Balance"), QStringLiteral("a text where an amount belongs")});
    expectRefused(QStringLiteral("nan.json"), exportedWith("\"Balance\": 1000.25", "\"Balance\": NaN"),
                  {QStringLiteral("not a JSON file")});
    expectRefused(QStringLiteral("infinity.json"), exportedWith("\"Balance\": 1000.25", "\"Balance\": Infinity"),
                  {QStringLiteral("not a JSON file")});
    expectRefused(QStringLiteral("huge.json"), exportedWith("\"Balance\": 1000.25", "\"Balance\": 1e999"), {});
    expectRefused(QStringLiteral("large.json"), exportedWith("\"Balance\": 1000.25", "\"Balance\": 1e16"),
                  {QStringLiteral("$.statement.Cash[0].Balance"), QStringLiteral("beyond")});
    expectRefused(QStringLiteral("number.json"), exportedWith("\"Bank\": \"Bank 1\"", "\"Bank\": 17"),
                  {QStringLiteral("$.statement.Cash[0].Bank"), QStringLiteral("a number where a text belongs")});
    expectRefused(QStringLiteral("rows.json"),
                  R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {}, "Taxes": {"a": 1}}})",
                  {QStringLiteral("$.statement.Taxes")});
    expectRefused(QStringLiteral("noclient.json"),
                  R"({"format": "Worthsheet statement", "version": 1, "statement": {"Cash": []}})",
                  {QStringLiteral("$.statement"), QStringLiteral("no Client")});
}

TEST_F(StatementJsonTest, ADeepNestingIsRefusedBeforeItIsParsed)
{
    QByteArray deep = R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {"Notes": )";
    deep += QByteArray(20, '[') + QByteArray(20, ']') + "}}}";
    expectRefused(QStringLiteral("deep.json"), deep, {QStringLiteral("nested deeper than 8 levels")});
    // Brackets inside texts are not nesting.
    const QString id = importStatementJson(
        *dm, writeFile(QStringLiteral("brackets.json"),
                       R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {"LastName": "[[[[[[[[[[[[[[[[[[[[\"{{{{{{{{{{"}}})"));
    EXPECT_EQ(db.text(QStringLiteral("SELECT LastName FROM Client WHERE Id = ") + id), QStringLiteral("[[[[[[[[[[[[[[[[[[[[\"{{{{{{{{{{"));
}

TEST_F(StatementJsonTest, TooManyRowsAreRefusedBeforeAnyIsStored)
{
    QByteArray rows = R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {}, "Cash": [)";
    for (qsizetype i = 0; i < StatementJson::MaxDetailRows; ++i)
        rows += "{},";
    rows += R"({}], "Taxes": []}})";
    expectRefused(QStringLiteral("rows.json"), rows, {QStringLiteral("$.statement.Cash: more than 50000 rows")});
}

TEST_F(StatementJsonTest, AFileLargerThanAStatementCanBeIsRefusedUnread)
{
    const QString path = db.folder() + QStringLiteral("/large.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(100LL * 1024 * 1024)); // sparse: costs no disk
    file.close();
    expectRefusedFile(path, {QStringLiteral("larger than a statement file can be")});
    expectRefusedFile(db.folder() + QStringLiteral("/missing.json"), {QStringLiteral("no such file")});
}

TEST_F(StatementJsonTest, AMinimalFileMakesAStatementWithItsTotalsRow)
{
    const QString id = importStatementJson(
        *dm, writeFile(QStringLiteral("minimal.json"),
                       R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {"FirstName": "Iris", "LastName": "Vale"},
                          "Cash": [{"Balance": 250}, {"Balance": null, "Bank": null}]}})"));
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(id)), 1);
    EXPECT_EQ(db.text(QStringLiteral("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(id)), QStringLiteral("Iris Vale"));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("CashOnHand")), 250);
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("TotalAssets")), 250);
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM Cash WHERE ClientId = '%1' AND Balance IS NULL").arg(id)), 1);
}

TEST_F(StatementJsonTest, ACashTypeInEitherSpellingIsImportedAndReadsAsTheEntry)
{
    const QString id = importStatementJson(
        *dm, writeFile(QStringLiteral("spellings.json"),
                       R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {"FirstName": "Iris", "LastName": "Vale"},
                          "Cash": [{"RegisteredName": "A", "Type": "Certificated of Deposit", "Balance": 100},
                                   {"RegisteredName": "B", "Type": "Certificate of Deposit", "Balance": 200}]}})"));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("CashOnHand")), 300);
    Table &cash = dm->tblCash;
    cash.SetFilter(QStringLiteral("ClientId = \"%1\"").arg(id));
    cash.SetFiltered(true);
    QStringList types;
    for (cash.First(); !cash.Eof(); cash.Next())
        types << cash.FieldByName(QStringLiteral("Type")).AsString();
    EXPECT_EQ(types, QStringList({"Certificate of Deposit", "Certificate of Deposit"}));
}

TEST_F(StatementJsonTest, AFailureWhileStoringStoresNothing)
{
    const QString path = exported();
    // A disk that fills up at the last table.
    db.exec(QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Legal BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const qint64 rows = db.count(QStringLiteral("SELECT COUNT(*) FROM Cash"));
    EXPECT_THROW(importStatementJson(*dm, path), std::exception);
    EXPECT_EQ(statementCount(), 1);
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM Cash")), rows);
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro")), 1);
    EXPECT_FALSE(dm->tblClient.Filtered());
}

} // namespace
