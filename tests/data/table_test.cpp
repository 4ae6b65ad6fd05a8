// The table engine on real database files: filters, order, the lazy cursor, editing
// states, deletion and field values.
#include <limits>
#include <utility>

#include <QObject>

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/filter.h"
#include "data/entry_lists.h"
#include "support/temp_database.h"

namespace {

class TableTest : public DataModuleTest
{
protected:
    // Adds a cash row of the statement with the given registered name and balance.
    void addCash(const QString &clientId, const QString &name, const QString &balance = {})
    {
        Table &cash = dm->tblCash;
        cash.Append();
        cash.FieldByName("ClientId").SetAsString(clientId);
        cash.FieldByName("RegisteredName").SetAsString(name);
        cash.FieldByName("Balance").SetAsString(balance);
        cash.Post();
    }

    QStringList walk(Table &table, const QString &field)
    {
        QStringList values;
        for (table.First(); !table.Eof(); table.Next())
            values << table.FieldByName(field).AsString();
        return values;
    }
};

TEST_F(TableTest, FiltersSelectExactlyTheMatchingRows)
{
    addCash("1", "Alpha");
    addCash("17", "Beta", "5");
    addCash("171", "Gamma");
    addCash("", "Orphan");
    addCash("17", "Delta");
    Table &cash = dm->tblCash;

    cash.SetFilter(R"(ClientId = "17")");
    cash.SetFiltered(true);
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"Beta", "Delta"}));

    cash.SetFilter(R"(ClientId = "")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"Orphan"}));

    // An empty number field matches "" too.
    cash.SetFilter(R"(ClientId = "17" and Balance = "")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"Delta"}));

    cash.SetFilter(R"(ClientId = "17" and RegisteredName = "Delta")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"Delta"}));

    // Texts compare exactly: case matters, no trimming.
    cash.SetFilter(R"(ClientId = "17" and RegisteredName = "delta")");
    EXPECT_TRUE(walk(cash, "RegisteredName").isEmpty());

    // Field names in a filter match whatever their case.
    cash.SetFilter(R"(clientid = "1")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"Alpha"}));

    cash.SetFiltered(false);
    EXPECT_EQ(walk(cash, "RegisteredName").size(), 5);
}

TEST_F(TableTest, NumericFilterSelectsByKeyAndIncompleteFilterMatchesNothing)
{
    const QString first = addClient("Ann", "Avery");
    const QString second = addClient("Bob", "Brown");
    Table &client = dm->tblClient;

    client.SetFilter("Id = " + second);
    client.SetFiltered(true);
    EXPECT_EQ(walk(client, "Id"), QStringList({second}));

    // A statement not yet posted has no Id: the filter reads "Id = " and must not fail.
    client.SetFilter("Id = ");
    EXPECT_NO_THROW(client.First());
    EXPECT_TRUE(client.Eof());
    EXPECT_EQ(client.FieldByName("Id").AsString(), "");

    client.SetFilter("");
    EXPECT_EQ(walk(client, "Id"), QStringList({first, second}));
}

TEST_F(TableTest, FilterValuesNeverBecomeSql)
{
    addCash("1", "plain");
    addCash("1", R"(back\slash)");
    addCash("1", "x' or '1'='1");
    Table &cash = dm->tblCash;
    cash.SetFiltered(true);

    cash.SetFilter(R"(RegisteredName = "back\slash")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({R"(back\slash)"}));

    cash.SetFilter(R"(RegisteredName = "x' or '1'='1")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"x' or '1'='1"}));

    // A value that tries to close its quotes and add a condition is refused as a whole.
    for (const QString &filter : {QString(R"(ClientId = "x" or 1=1 --")"),
                                  QString(R"(ClientId = "x"; DROP TABLE Cash; --")"),
                                  QString(R"(ClientId = "unterminated)"), QString("ClientId"),
                                  QString("ClientId == \"1\""), QString(R"(ClientId = "1" or Bank = "2")")}) {
        cash.SetFilter(filter);
        EXPECT_THROW(cash.First(), EngineError) << filter.toStdString();
    }
    cash.SetFilter("");
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), 3);
}

TEST_F(TableTest, QuotedValuesStayOneValueWhateverTheyHold)
{
    addCash("17", "mine");
    addCash("18", "theirs");
    addCash(R"(17" and ClientId = "17)", "odd");
    addCash(R"(say "hi")", "quoted");
    Table &cash = dm->tblCash;
    cash.SetFiltered(true);

    // Built by the one quoting function, a value that tries to add a condition is only a value.
    cash.SetFilter("ClientId = " + quoteFilterText(R"(17" and ClientId = "17)"));
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"odd"}));
    cash.SetFilter("ClientId = " + quoteFilterText(R"(say "hi")"));
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"quoted"}));
    EXPECT_EQ(quoteFilterText(R"(a"b)"), R"("a""b")");

    // Unquoted text is not a value.
    for (const QString &filter : {QString("ClientId = abc"), QString("ClientId = 17abc"), QString(R"(ClientId = "17"")")}) {
        cash.SetFilter(filter);
        EXPECT_THROW(cash.First(), EngineError) << filter.toStdString();
    }
}

TEST_F(TableTest, PreparedStatementsStayBoundedWhateverFiltersAreSet)
{
    addCash("1", "one");
    Table &cash = dm->tblCash;
    cash.SetFiltered(true);
    for (int i = 0; i < 3 * int(Database::StatementCacheSize); ++i) {
        cash.SetFilter(QString(R"(ClientId = "1" and RegisteredName = "%1")").arg(i));
        cash.First();
        cash.SetFilter(QString("Balance = %1").arg(i));
        cash.First();
    }
    EXPECT_LE(dm->db1.cachedStatements(), Database::StatementCacheSize);
    cash.SetFilter(R"(ClientId = "1")");
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"one"}));
}

TEST_F(TableTest, BoundControlsHearOfPostAndDeleteWithTheRowNowCurrent)
{
    addCash("1", "Alpha");
    addCash("1", "Beta");
    Table &cash = dm->tblCash;
    cash.First();
    QStringList seen;
    QObject::connect(&dm->dsCash, &DataSource::currentChanged, &dm->dsCash,
                     [&] { seen << cash.FieldByName("RegisteredName").AsString(); });
    cash.Edit();
    cash.FieldByName("RegisteredName").SetAsString("Aleph");
    cash.Post();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), "Aleph");
    cash.Delete();
    EXPECT_EQ(seen.last(), "Beta");
}

TEST_F(TableTest, UnknownFieldIsAnEngineError)
{
    Table &cash = dm->tblCash;
    EXPECT_THROW(cash.FieldByName("NoSuchField"), EngineError);
    cash.SetFilter(R"(NoSuchField = "1")");
    cash.SetFiltered(true);
    EXPECT_THROW(cash.First(), EngineError);
}

TEST_F(TableTest, RowsComeInIndexOrderWithTiesInInsertionOrder)
{
    for (const char *name : {"smith", "Adams", "Zeller", "Smith", "baker", "Adams"})
        addClient(QString("F") + name, name);
    // The list is sorted by last name without regard to case; equal names keep their order.
    QStringList firstNames = walk(dm->tblClient, "FirstName");
    EXPECT_EQ(firstNames, QStringList({"FAdams", "FAdams", "Fbaker", "Fsmith", "FSmith", "FZeller"}));

    // A table without an index comes in the order its rows were added.
    addTotalsRow("9");
    addTotalsRow("3");
    EXPECT_EQ(walk(dm->tblFSPro, "ClientId"), QStringList({"9", "3"}));
}

TEST_F(TableTest, CursorReadsOnlyWhatIsVisitedAndWalksEveryRowOnce)
{
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
            "INSERT INTO Cash (ClientId, RegisteredName, Balance) "
            "SELECT CASE WHEN i % 2 = 0 THEN '2' ELSE '1' END, printf('Name %05d', (i * 7919) % 5000), i FROM n");
    reopen();
    Table &cash = dm->tblCash;
    EXPECT_LT(cash.rowsRead(), 100);
    cash.First();
    EXPECT_LT(cash.rowsRead(), 100);

    QString previous;
    int count = 0;
    double sum = 0;
    for (cash.First(); !cash.Eof(); cash.Next()) {
        const QString name = cash.FieldByName("RegisteredName").AsString();
        EXPECT_LE(previous, name);
        previous = name;
        sum += cash.FieldByName("Balance").AsFloat();
        ++count;
    }
    EXPECT_EQ(count, 5000);
    EXPECT_EQ(sum, 5000.0 * 5001 / 2);

    // Past the end the last row stays current.
    EXPECT_EQ(cash.FieldByName("RegisteredName").AsString(), "Name 04999");
    cash.Next();
    EXPECT_TRUE(cash.Eof());

    cash.SetFilter(R"(ClientId = "2")");
    cash.SetFiltered(true);
    count = 0;
    for (cash.First(); !cash.Eof(); cash.Next())
        ++count;
    EXPECT_EQ(count, 2500);
}

TEST_F(TableTest, WalkThatPostsEveryRowVisitsEachOnceWithoutRereading)
{
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
            "INSERT INTO Cash (ClientId, RegisteredName, Balance) SELECT '1', printf('Name %03d', i), i FROM n");
    reopen();
    Table &cash = dm->tblCash;
    cash.SetFilter(R"(ClientId = "1")");
    cash.SetFiltered(true);
    const qint64 before = cash.rowsRead();
    int visited = 0;
    for (cash.First(); !cash.Eof(); cash.Next()) {
        cash.Edit();
        cash.FieldByName("Balance").SetAsFloat(cash.FieldByName("Balance").AsFloat() * 2);
        cash.Post();
        ++visited;
    }
    EXPECT_EQ(visited, 300);
    EXPECT_EQ(db.number("SELECT sum(Balance) FROM Cash"), 300.0 * 301);
    // Each row is read once by the walk and once more after its post.
    EXPECT_LE(cash.rowsRead() - before, 2 * 300 + 32);

    // A post that moves the row in the order goes on from its new place.
    cash.First();
    cash.Edit();
    cash.FieldByName("RegisteredName").SetAsString("Name 150a");
    cash.Post();
    cash.Next();
    EXPECT_EQ(cash.FieldByName("RegisteredName").AsString(), "Name 151");
}

TEST_F(TableTest, AppendPostAssignsFreshKeysThatAreNeverReused)
{
    const QString a = addClient("Ann", "Avery");
    const QString b = addClient("Bob", "Brown");
    EXPECT_FALSE(a.isEmpty());
    EXPECT_NE(a, b);
    Table &client = dm->tblClient;
    client.SetFilter("Id = " + b);
    client.SetFiltered(true);
    client.First();
    client.Delete();
    client.SetFiltered(false);
    const QString c = addClient("Cy", "Cole");
    EXPECT_GT(c.toLongLong(), b.toLongLong());
    EXPECT_THROW(client.FieldByName("Id").SetAsString("5"), EngineError);
}

TEST_F(TableTest, PostedRowStaysCurrentEvenOutsideTheFilter)
{
    Table &client = dm->tblClient;
    client.SetFilter("Id = ");
    client.SetFiltered(true);
    client.First();
    client.Append();
    client.FieldByName("LastName").SetAsString("New");
    client.Post();
    // The particulars window reads the fresh Id right after its save.
    EXPECT_FALSE(client.FieldByName("Id").AsString().isEmpty());
    EXPECT_EQ(client.FieldByName("LastName").AsString(), "New");
    EXPECT_EQ(db.count("SELECT count(*) FROM Client WHERE LastName = 'New'"), 1);
}

TEST_F(TableTest, EditPostCancelAndEditOnEmptyTable)
{
    Table &user = dm->tblUser;
    EXPECT_TRUE(user.IsEmpty());
    // Editing an empty table starts its first row.
    user.Edit();
    EXPECT_EQ(user.state(), Table::State::Insert);
    user.FieldByName("User").SetAsString("me");
    user.Post();
    EXPECT_EQ(db.text("SELECT User FROM User"), "me");

    user.Edit();
    EXPECT_EQ(user.state(), Table::State::Edit);
    user.FieldByName("User").SetAsString("changed");
    EXPECT_EQ(user.FieldByName("User").AsString(), "changed");
    user.Cancel();
    EXPECT_EQ(user.FieldByName("User").AsString(), "me");
    EXPECT_EQ(db.text("SELECT User FROM User"), "me");

    EXPECT_THROW(user.FieldByName("User").SetAsString("x"), EngineError);
}

TEST_F(TableTest, MovingWhileEditingPostsModifiedAndCancelsUntouchedRows)
{
    addCash("1", "A");
    addCash("1", "B");
    Table &cash = dm->tblCash;

    cash.First();
    cash.Edit();
    cash.FieldByName("Bank").SetAsString("First National");
    cash.Next();
    EXPECT_EQ(cash.state(), Table::State::Browse);
    EXPECT_EQ(db.text("SELECT Bank FROM Cash WHERE RegisteredName = 'A'"), "First National");

    cash.Append();
    cash.First();
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), 2);

    cash.Append();
    cash.FieldByName("RegisteredName").SetAsString("C");
    cash.SetFilter(R"(ClientId = "1")");
    cash.SetFiltered(true);
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE RegisteredName = 'C'"), 1);
}

TEST_F(TableTest, DeleteMovesToTheNextRowAndEmptiesOnlyTheFilteredSet)
{
    for (int i = 0; i < 40; ++i)
        addCash(i % 2 ? "1" : "2", QString("Row %1").arg(i, 2, 10, QChar('0')));
    Table &cash = dm->tblCash;
    cash.SetFilter(R"(ClientId = "1")");
    cash.SetFiltered(true);
    cash.First();
    EXPECT_EQ(cash.FieldByName("RegisteredName").AsString(), "Row 01");
    cash.Delete();
    EXPECT_EQ(cash.FieldByName("RegisteredName").AsString(), "Row 03");

    while (!cash.Eof())
        cash.Delete();
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE ClientId = '1'"), 0);
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE ClientId = '2'"), 20);
    EXPECT_TRUE(cash.IsEmpty());

    // Deleting the last row leaves the one before it current, at the end.
    cash.SetFilter(R"(ClientId = "2")");
    cash.First();
    while (cash.FieldByName("RegisteredName").AsString() != "Row 38")
        cash.Next();
    cash.Next();
    cash.Delete();
    EXPECT_TRUE(cash.Eof());
    EXPECT_EQ(cash.FieldByName("RegisteredName").AsString(), "Row 36");
}

TEST_F(TableTest, FieldValuesReadAndWriteByKind)
{
    Table &cash = dm->tblCash;
    cash.Append();
    Field balance = cash.FieldByName("BALANCE");
    EXPECT_EQ(balance.FieldName(), "Balance");
    EXPECT_EQ(balance.AsString(), "");
    EXPECT_EQ(balance.AsFloat(), 0.0);
    EXPECT_EQ(cash.FieldByName("Bank").AsString(), "");

    const std::pair<double, const char *> floats[] = {
        {12500, "12500"}, {1234.5, "1234.5"}, {-150000, "-150000"}, {0.1 + 0.2, "0.3"},
        {1000.0 / 12, "83.3333333333333"}, {123456789012.25, "123456789012.25"}};
    for (const auto &[value, text] : floats) {
        balance.SetAsFloat(value);
        EXPECT_EQ(balance.AsString(), text);
    }
    balance.SetAsString(" 42.5 ");
    EXPECT_EQ(balance.AsFloat(), 42.5);
    EXPECT_THROW(balance.SetAsString("12 dollars"), EngineError);
    balance.SetAsString("");
    EXPECT_TRUE(balance.IsNull());
    cash.Post();
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE Balance IS NULL"), 1);

    // A text that is not a number cannot be read as one.
    cash.Edit();
    cash.FieldByName("Bank").SetAsString("not a number");
    EXPECT_THROW(cash.FieldByName("Bank").AsFloat(), EngineError);
    cash.FieldByName("Bank").SetAsString("17");
    EXPECT_EQ(cash.FieldByName("Bank").AsFloat(), 17.0);
}

TEST_F(TableTest, NumbersThatAreNotAmountsAreNeverStored)
{
    addCash("1", "Alpha", "5");
    Table &cash = dm->tblCash;
    cash.First();
    cash.Edit();
    Field balance = cash.FieldByName("Balance");
    for (const QString &text : {QString("NaN"), QString("nan"), QString("inf"), QString("-inf"), QString("1e999")})
        EXPECT_THROW(balance.SetAsString(text), EngineError) << text.toStdString();
    EXPECT_THROW(balance.SetAsFloat(std::numeric_limits<double>::quiet_NaN()), EngineError);
    EXPECT_THROW(balance.SetAsFloat(std::numeric_limits<double>::infinity()), EngineError);
    cash.Cancel();
    EXPECT_EQ(db.text("SELECT Balance FROM Cash"), "5.0");
}

TEST_F(TableTest, CurrencyRoundsHalfToEven)
{
    Table &incomes = dm->tblIncomes;
    incomes.Append();
    Field monthly = incomes.FieldByName("MAmount");
    for (const auto &[tenThousandths, expected] :
         {std::pair{2.5, "0.0002"}, std::pair{3.5, "0.0004"}, std::pair{-2.5, "-0.0002"}}) {
        const double value = tenThousandths / 10000.0;
        ASSERT_EQ(value * 10000.0, tenThousandths) << "the tie must be exact";
        monthly.SetAsCurrency(value);
        EXPECT_EQ(monthly.AsString(), expected) << tenThousandths;
    }
    // A monthly amount is the yearly one over twelve: 100 a year is 8.3333 a month.
    monthly.SetAsCurrency(100.0 / 12.0);
    EXPECT_EQ(monthly.AsString(), "8.3333");
    incomes.Cancel();
}

TEST_F(TableTest, CurrencyHoldsExactTenThousandths)
{
    Table &incomes = dm->tblIncomes;
    incomes.Append();
    Field monthly = incomes.FieldByName("MAmount");
    EXPECT_EQ(monthly.Kind(), FieldKind::Currency);
    monthly.SetAsCurrency(1000.0 / 12);
    EXPECT_EQ(monthly.AsString(), "83.3333");
    EXPECT_EQ(monthly.DisplayText(), "$83.33");
    monthly.SetAsString("0.1");
    EXPECT_EQ(monthly.Value().toLongLong(), 1000);
    monthly.SetAsFloat(-1234567.5);
    EXPECT_EQ(monthly.AsString(), "-1234567.5");
    EXPECT_EQ(monthly.DisplayText(), "($1,234,567.50)");
    monthly.SetAsFloat(5000);
    incomes.Post();
    EXPECT_EQ(db.count("SELECT MAmount FROM Incomes"), 50000000);
    EXPECT_EQ(incomes.FieldByName("MAmount").AsFloat(), 5000.0);
}

TEST_F(TableTest, DisabledControlsHearOnceWhenEnabled)
{
    struct Counter : TableListener
    {
        int events = 0;
        void tableChanged(TableEvent, int) override { ++events; }
    } counter;
    addCash("1", "A");
    addCash("1", "B");
    Table &cash = dm->tblCash;
    cash.addListener(&counter);
    cash.DisableControls();
    for (cash.First(); !cash.Eof(); cash.Next()) {
    }
    EXPECT_EQ(counter.events, 0);
    cash.EnableControls();
    EXPECT_EQ(counter.events, 1);
    cash.removeListener(&counter);
}

} // namespace

TEST_F(TableTest, ACashTypeStoredInItsFormerSpellingReadsAsTheEntryAndIsStoredSoOnlyWhenItsRowIsSaved)
{
    db.exec("INSERT INTO Cash (ClientId, RegisteredName, Type, Balance) VALUES "
            "('1', 'A', 'Certificated of Deposit', 100), ('1', 'B', 'Savings Account', 200), "
            "('1', 'C', 'Certificated of Deposit', 300)");
    reopen();
    Table &cash = dm->tblCash;
    const QString entry = "Certificate of Deposit";
    ASSERT_TRUE(EntryLists::cashTypes().contains(entry));
    EXPECT_EQ(walk(cash, "Type"), QStringList({entry, "Savings Account", entry}));
    const std::vector<TableRow> rows = cash.readRows(std::nullopt, 10);
    ASSERT_EQ(rows.size(), 3u);
    const int type = cash.FieldByName("Type").Index();
    EXPECT_EQ(rows[2].values[type].toString(), entry);
    const auto stored = [&] { return db.text("SELECT group_concat(Type, '|') FROM (SELECT Type FROM Cash ORDER BY RegisteredName)"); };
    const QString before = stored();

    // Looked at, moved over and edited without a change: the file keeps what it holds.
    cash.First();
    cash.Edit();
    cash.Next();
    cash.First();
    cash.Edit();
    cash.Post();
    EXPECT_EQ(stored(), before);

    // Saved with a change: the row is stored with the entry, the other rows as they were.
    cash.First();
    cash.Edit();
    cash.FieldByName("Balance").SetAsString("150");
    cash.Post();
    EXPECT_EQ(cash.FieldByName("Type").AsString(), entry);
    EXPECT_EQ(stored(), entry + "|Savings Account|Certificated of Deposit");
    EXPECT_EQ(db.count("SELECT Balance FROM Cash WHERE RegisteredName = 'A'"), 150);
    // Other tables and fields read what they hold.
    EXPECT_EQ(walk(cash, "RegisteredName"), QStringList({"A", "B", "C"}));
}
