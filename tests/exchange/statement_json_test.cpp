#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "data/entry_lists.h"
#include "crypt/envelope_seam.h"
#include "crypt/envelope_session.h" // CreatedEnvelope
#include "exchange/exchange_error.h"
#include "exchange/statement_json.h"
#include "exchange_fixture.h"
#include "support/full_statement.h"
#include "support/older_files.h"

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
    // The same with the whole message expected when one is given.
    void expectRefusedFile(const QString &path, const QStringList &fragments, const QString &message = {},
                           const QString &password = {})
    {
        const QByteArray before = fileBytes();
        const qint64 statements = statementCount();
        try {
            importStatementJson(*dm, path, password);
            ADD_FAILURE() << "imported " << path.toStdString();
        } catch (const ExchangeError &e) {
            EXPECT_TRUE(e.message().startsWith(path)) << e.message().toStdString();
            if (!message.isEmpty())
                EXPECT_EQ(e.message().toStdString(), message.toStdString());
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
    for (const QString &field : totals.keys())
        if (totals.value(field).isDouble())
            totals.insert(field, 1.5);
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
        EXPECT_EQ(e.message(), QStringLiteral("statement %1, Cash row 1, Balance: holds a value that is not a finite number").arg(fullId));
    }
    db.exec(QStringLiteral("UPDATE Cash SET Balance = 5; UPDATE Incomes SET MAmount = 'lots'"));
    EXPECT_THROW(exportStatementJson(*dm, fullId, path), ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(StatementJsonTest, MalformedFilesAreRefusedNamingFileAndPathAndNothingIsStored)
{
    const QByteArray head = R"({"format": "Worthsheet statement", "version": 1, "statement": {)";
    const auto client = [&](const QByteArray &members) { return head + R"("Client": {)" + members + "}}}"; };
    struct Case
    {
        QByteArray text;
        QString message; // after "<file>: "; %1 is the byte where the text first holds at, plus past
        QByteArray at = {};
        qsizetype past = 0;
    };
    const QString notJson = QStringLiteral("%1: not a JSON file (%2 at byte %3)");
    const auto syntax = [&](const char *path, const char *what) {
        return notJson.arg(QLatin1String(path), QLatin1String(what), QStringLiteral("%1"));
    };
    const std::vector<Case> cases = {
        // What a lenient reader would quietly change.
        {client(R"("Address": "C:\Users\ada")"),
         QStringLiteral(R"($.statement.Client.Address: "\U", which is no escape of JSON (a backslash is written "\\") at byte %1)"),
         R"(\U)"},
        {client(R"("LastName": "Okafor", "LastName": "Vale")"),
         QStringLiteral("$.statement.Client.LastName: a second member of this name in the same object (each may stand once) "
                        "at byte %1"),
         R"("LastName": "Vale")"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": 1000.25, \"Balance\": 5"),
         QStringLiteral("$.statement.Cash[0].Balance: a second member of this name in the same object (each may stand once) "
                        "at byte %1"),
         R"("Balance": 5)"},
        {client(R"("LastName": "Ok\ud83dafor")"),
         QStringLiteral(R"($.statement.Client.LastName: \ud83d alone, half of a surrogate pair and no character at byte %1)"),
         R"(\ud83d)"},
        {client(R"("LastName": "Ok\ud83d\u0041")"),
         QStringLiteral(R"($.statement.Client.LastName: \ud83d alone, half of a surrogate pair and no character at byte %1)"),
         R"(\ud83d)"},
        {client(R"("LastName": "Ok\uDE00")"),
         QStringLiteral(R"($.statement.Client.LastName: \uDE00 alone, half of a surrogate pair and no character at byte %1)"),
         R"(\uDE00)"},
        {client("\"LastName\": \"Ok\xED\xA0\x80\""),
         QStringLiteral("$.statement.Client.LastName: bytes that are not UTF-8 inside a text at byte %1"), "\xED"},
        {client("\"LastName\": \"Ok\xC0\xAF\""),
         QStringLiteral("$.statement.Client.LastName: bytes that are not UTF-8 inside a text at byte %1"), "\xC0"},
        {client(R"("LastName": "Ok\u0000afor")"),
         QStringLiteral(R"($.statement.Client.LastName: a text holding the character NUL (\u0000), which no field can keep at byte %1)"),
         R"(\u0000)"},
        {client(R"("LastName": "Ok@afor")").replace('@', '\0'),
         QStringLiteral(R"($.statement.Client.LastName: a text holding the character NUL (\u0000), which no field can keep at byte %1)"),
         QByteArray(1, '\0')},
        {"\xFF\xFE{\0}\0", QStringLiteral("$: a UTF-16 or UTF-32 text; a statement file is UTF-8")},
        // Not JSON at all.
        {"", syntax("$", "the text ends where a value belongs").arg(0)},
        {"this is not JSON", syntax("$", "no JSON value"), "this"},
        {client("\"LastName\": \"Ok\nafor\""),
         syntax("$.statement.Client.LastName",
                R"(a line break or other control character inside a text, which JSON writes as \n, \t or \u00XX)"),
         "\n"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": NaN"), syntax("$.statement.Cash[0].Balance", "no JSON value"), "NaN"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": Infinity"), syntax("$.statement.Cash[0].Balance", "no JSON value"),
         "Infinity"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": 01"),
         syntax("$.statement.Cash[0]", "a comma or a closing brace expected"), "\"Balance\": 01", 12},
        {head + R"("Client": {}, "Cash": [{}, ]}})", syntax("$.statement.Cash[1]", "no JSON value"), "]}}"},
        {client("") + " x", syntax("$", "more text after the end of the JSON value"), "x"},
        {client(R"("LastName": "Okafor)"), syntax("$.statement.Client.LastName", "a text without its closing quote"),
         R"("Okafor)"},
        // JSON, but no statement file.
        {"[1, 2]", QStringLiteral("$: a statement file is an object")},
        {exportedWith("\"version\": 2", "\"version\": 3"),
         QStringLiteral("$.version: unknown format version 3; this program reads versions 1 to 2")},
        {exportedWith("\"version\": 2", "\"version\": 1.5"),
         QStringLiteral("$.version: unknown format version 1.5; this program reads versions 1 to 2")},
        // A file of version 1 holds none of the fields version 2 added.
        {exportedWith("\"version\": 2", "\"version\": 1"),
         QStringLiteral("$.statement.Client.BusinessAddress: Client has no field BusinessAddress in version 1 of the format")},
        {exportedWith("\"Occupancy\": \"Owner Occupied\"", "\"Occupancy\": \"Rented\""),
         QStringLiteral("$.statement.RealEstate[0].Occupancy: \"Rented\" is not an entry of the list (Owner Occupied, "
                        "Second Home, Tenant Occupied, Partly Tenant Occupied, Vacant)")},
        {exportedWith("\"Worthsheet statement\"", "\"spreadsheet\""),
         QStringLiteral(R"($.format: not a Worthsheet statement file ("format" must be "Worthsheet statement"))")},
        {exportedWith("\"Cash\": [", "\"Bitcoin\": [], \"Cash\": ["), QStringLiteral("$.statement.Bitcoin: unknown table Bitcoin")},
        {exportedWith("\"Balance\": ", "\"Colour\": \"red\", \"Balance\": "),
         QStringLiteral("$.statement.Cash[0].Colour: Cash has no field Colour")},
        {exportedWith("\"Balance\": ", "\"ClientId\": \"1\", \"Balance\": "),
         QStringLiteral("$.statement.Cash[0].ClientId: Cash has no field ClientId")},
        {head + R"("Client": {}, "Taxes": {"a": 1}}})",
         QStringLiteral("$.statement.Taxes: an object where the rows of Taxes (a list) belong")},
        {head + R"("Cash": []}})", QStringLiteral("$.statement: the statement has no Client")},
        // Values the windows would not store.
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": \"1000.25\""),
         QStringLiteral("$.statement.Cash[0].Balance: a text where an amount belongs")},
        {exportedWith("\"Bank\": \"Bank 1\"", "\"Bank\": 17"), QStringLiteral("$.statement.Cash[0].Bank: a number where a text belongs")},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": 1e999"),
         QStringLiteral("$.statement.Cash[0].Balance: a number beyond what a double can hold at byte %1"), "1e999"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": -1e-999"),
         QStringLiteral("$.statement.Cash[0].Balance: a number beyond what a double can hold at byte %1"), "-1e-999"},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": 1e16"),
         QStringLiteral("$.statement.Cash[0].Balance: an amount beyond 1000000000000000")},
        {exportedWith("\"Balance\": 1000.25", "\"Balance\": -1000000000000000.5"),
         QStringLiteral("$.statement.Cash[0].Balance: an amount beyond 1000000000000000")},
        {head + R"("Client": {}, "Incomes": [{"MAmount": 100000000000001}]}})",
         QStringLiteral("$.statement.Incomes[0].MAmount: an amount beyond 100000000000000")},
        {exportedWith("\"Date\": \"03/14/2026\"", "\"Date\": \"14/03/2026\""),
         QStringLiteral(R"($.statement.FSPro.Date: "14/03/2026" is no date in the form mm/dd/yyyy)")},
        {client(R"("Birthday": "02/29/1961")"),
         QStringLiteral(R"($.statement.Client.Birthday: "02/29/1961" is no date in the form mm/dd/yyyy)")},
        {client(R"("SBirthday": "4/12/1961")"),
         QStringLiteral(R"($.statement.Client.SBirthday: "4/12/1961" is no date in the form mm/dd/yyyy)")},
        {head + R"("Client": {}, "Cash": [{"Pledged": "yes"}]}})",
         QStringLiteral(R"($.statement.Cash[0].Pledged: "yes" is not an entry of the list (No, Yes))")},
        {head + R"("Client": {}, "Cash": [{}, {"Type": "Checking"}]}})",
         QStringLiteral(R"($.statement.Cash[1].Type: "Checking" is not an entry of the list (%1))")
             .arg(EntryLists::cashTypes().join(QStringLiteral(", ")))},
    };
    int number = 0;
    for (const Case &c : cases) {
        const QString path = writeFile(QStringLiteral("case%1.json").arg(++number), c.text);
        const QString expected = path + QStringLiteral(": ")
            + (c.at.isEmpty() ? c.message : c.message.arg(c.text.indexOf(c.at) + c.past));
        ASSERT_TRUE(c.at.isEmpty() || c.text.contains(c.at)) << expected.toStdString();
        expectRefusedFile(path, {}, expected);
    }
}

TEST_F(StatementJsonTest, WhatStrictJsonAllowsIsStoredAsWritten)
{
    // A byte order mark, every escape and a character beyond the 16-bit range.
    const QByteArray text = "\xEF\xBB\xBF"
        R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {)"
        R"("LastName": "C:\\Users\\ada \"q\" \/ \b\f\n\r\t \u00e9\ud83d\ude00 Zo\u00EB", "Birthday": "04/12/1961",)"
        R"("MaritalStatus": "Married", "State": null}, "FSPro": {"Date": "", "Description": "é"}}})";
    const QString id = importStatementJson(*dm, writeFile(QStringLiteral("strict.json"), text));
    EXPECT_EQ(db.text(QStringLiteral("SELECT LastName FROM Client WHERE Id = ") + id),
              QStringLiteral("C:\\Users\\ada \"q\" / \b\f\n\r\t \u00e9\U0001F600 Zo\u00EB"));
    EXPECT_EQ(db.text(QStringLiteral("SELECT Birthday || State FROM Client WHERE Id = ") + id), QStringLiteral("04/12/1961"));
    EXPECT_EQ(db.text(QStringLiteral("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(id)), QStringLiteral("é"));

    // A NUL that an older version stored goes out whole; import then names it.
    db.exec(QStringLiteral("UPDATE Client SET Address = 'Elm' || char(0) || 'Street' WHERE Id = ") + fullId);
    const QByteArray exported = exportedText();
    EXPECT_TRUE(exported.contains(R"("Address": "Elm\u0000Street")")) << exported.left(400).toStdString();
    expectRefused(QStringLiteral("nul.json"), exported, {QStringLiteral("$.statement.Client.Address: a text holding the character NUL")});
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
                          "Cash": [{"Balance": 250}, {"Balance": null, "Bank": null}],
                          "Incomes": [{"MAmount": 2.00009}, {"MAmount": -2.00009}, {"MAmount": 0.00004}]}})"));
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(id)), 1);
    EXPECT_EQ(db.text(QStringLiteral("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(id)), QStringLiteral("Iris Vale"));
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("CashOnHand")), 250);
    EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("TotalAssets")), 250);
    // Totals the file claims for categories it has no rows of are not kept either: every
    // amount of the totals row is the one the program forms without any claim.
    QJsonObject claims = QJsonDocument::fromJson(exportedText()).object().value(QStringLiteral("statement")).toObject()
                             .value(QStringLiteral("FSPro")).toObject();
    QStringList amounts;
    for (const QString &field : claims.keys())
        if (claims.value(field).isDouble()) {
            claims.insert(field, 7);
            amounts << field;
        }
    ASSERT_FALSE(amounts.isEmpty());
    QFile minimal(db.folder() + QStringLiteral("/minimal.json"));
    ASSERT_TRUE(minimal.open(QIODevice::ReadOnly));
    QJsonObject file = QJsonDocument::fromJson(minimal.readAll()).object();
    QJsonObject statement = file.value(QStringLiteral("statement")).toObject();
    statement.insert(QStringLiteral("FSPro"), claims);
    file.insert(QStringLiteral("statement"), statement);
    const QString claimed = importStatementJson(*dm, writeFile(QStringLiteral("claims.json"), QJsonDocument(file).toJson()));
    const QString row = QStringLiteral("SELECT quote(\"%1\") FROM FSPro WHERE ClientId = '%2'")
                            .arg(amounts.join(QStringLiteral("\") || '/' || quote(\"")));
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(claimed)), 1);
    EXPECT_EQ(db.text(row.arg(claimed)), db.text(row.arg(id)));
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM Cash WHERE ClientId = '%1' AND Balance IS NULL").arg(id)), 1);
    // Monthly amounts are kept to the nearest ten-thousandth, not cut off.
    EXPECT_EQ(db.text(QStringLiteral("SELECT group_concat(MAmount, ' ') FROM (SELECT MAmount FROM Incomes "
                                     "WHERE ClientId = '%1' ORDER BY rowid)").arg(id)),
              QStringLiteral("20001 -20001 0"));
}

TEST_F(StatementJsonTest, ThePrintedNamesAndLicencesAreFormedFromTheParticularsNotTakenFromTheFile)
{
    // One file claims other texts than its particulars give, the other claims none; a
    // personal statement gets none of the spouse's.
    const char *const claims = R"("FullName2": "Somebody Else", "DriversLicenseandState": "X999 - NV", "SFullName2": "Nobody",)";
    for (const bool joint : {true, false}) {
        const QString file = QStringLiteral(R"({"format": "Worthsheet statement", "version": 1, "statement": {"Client": {
            %1 "FirstName": "Iris", "MiddleInitial": "M", "LastName": "Vale", "City": "Tulsa", "State": "OK",
            "Zip": "74103", "DriversLicense": "D123", "DriversLicense_State": "OK", "YearsEmployed": "4",
            "SFirstName": "%2", "SLastName": "Vale", "SDriversLicense": "S77"}}})")
                                 .arg(joint ? QString::fromLatin1(claims) : QString(), joint ? "Owen" : "");
        const QString id = importStatementJson(*dm, writeFile(QStringLiteral("particulars.json"), file.toUtf8()));
        const auto stored = [&](const char *field) {
            return db.text(QStringLiteral("SELECT coalesce(\"%1\", '') FROM Client WHERE Id = %2").arg(field, id));
        };
        EXPECT_EQ(stored("FullName2"), QStringLiteral("Iris M. Vale")) << joint;
        EXPECT_EQ(stored("FullName"), QStringLiteral("Vale M. Iris")) << joint;
        EXPECT_EQ(stored("DriversLicenseandState"), QStringLiteral("D123 - OK")) << joint;
        EXPECT_EQ(stored("CityStateZip"), QStringLiteral("Tulsa, OK  74103")) << joint;
        EXPECT_EQ(stored("YearsEmployed2"), QStringLiteral("Employed for 4 years.")) << joint;
        EXPECT_EQ(stored("SFullName2"), joint ? QStringLiteral("Owen Vale") : QString());
        EXPECT_EQ(stored("SDriversLicenseandState"), joint ? QStringLiteral("S77") : QString());
    }
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

TEST_F(StatementJsonTest, AnEncryptedFileWithoutItsPasswordOrDamagedImportsNothingAndSaysSo)
{
    // Made with the least key derivation, so that each attempt costs nothing.
    const QByteArray json = exportedText();
    const QString password = QStringLiteral("s3cret");
    const QByteArray sealed = createEnvelopeWith(json, password, EnvelopeSeam{{1, 8192}, std::nullopt}).envelope;
    const QString sealedPath = writeFile(QStringLiteral("sealed.json"), sealed);
    EXPECT_TRUE(StatementJson::isEncryptedFile(sealedPath));
    EXPECT_FALSE(StatementJson::isEncryptedFile(exported()));
    EXPECT_EQ(dump(importStatementJson(*dm, sealedPath, password)), dump(fullId));

    QByteArray flipped = sealed;
    flipped[flipped.size() - 20] = char(flipped[flipped.size() - 20] ^ 0x01);
    const struct
    {
        const char *name;
        QByteArray content;
        QString password;
        QString fragment;
    } cases[] = {
        {"none.json", sealed, {}, QStringLiteral("the statement file is encrypted; it opens only with its password")},
        {"wrong.json", sealed, QStringLiteral("s3cre"), QStringLiteral("Wrong password for this statement file.")},
        {"case.json", sealed, QStringLiteral("S3cret"), QStringLiteral("Wrong password for this statement file.")},
        {"flipped.json", flipped, password, QStringLiteral("damaged")},
        {"cut.json", sealed.left(sealed.size() - 1), password, QStringLiteral("damaged")},
        {"appended.json", sealed + '\n', password, QStringLiteral("damaged")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expectRefusedFile(writeFile(QString::fromLatin1(c.name), c.content), {c.fragment}, {}, c.password);
    }
}

// Files written before version 2 still import: the fields version 2 added arrive empty.
TEST_F(StatementJsonTest, AFileOfVersion1ImportsWithTheFieldsOfVersion2Empty)
{
    const auto version1Row = [](const ExchangeTable &table, QJsonObject row) {
        for (const ExchangeField &field : table.fields)
            if (field.sinceVersion > 1)
                row.remove(field.name);
        return row;
    };
    QJsonObject file = QJsonDocument::fromJson(exportedText()).object();
    QJsonObject statement = file.value(QStringLiteral("statement")).toObject();
    for (const QString &name : statement.keys()) {
        const ExchangeTable &table = *statementTable(name);
        if (statement.value(name).isObject()) {
            statement.insert(name, version1Row(table, statement.value(name).toObject()));
            continue;
        }
        QJsonArray rows;
        for (const QJsonValue &row : statement.value(name).toArray())
            rows.append(version1Row(table, row.toObject()));
        statement.insert(name, rows);
    }
    file.insert(QStringLiteral("version"), 1);
    file.insert(QStringLiteral("statement"), statement);
    const QString old = writeFile(QStringLiteral("version1.json"), QJsonDocument(file).toJson());

    const QString imported = importStatementJson(*dm, old);
    emptyNewFields(db.path());
    EXPECT_EQ(dump(imported).toStdString(), dump(fullId).toStdString());
}

} // namespace
