// The statement context: locating the file, the filters that narrow every table to one
// statement, and clearing them again.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "data/schema.h"
#include "support/temp_database.h"
#include "support/scoped_environment.h"

namespace {

class StatementContextTest : public DataModuleTest
{
protected:
    // Two statements with a row in every detail table each, plus orphan rows.
    void SetUp() override
    {
        DataModuleTest::SetUp();
        smith = addClient("Sam", "Smith");
        adams = addClient("Ada", "Adams", "Q", "Yes");
        for (const QString &id : {smith, adams, QString()}) {
            for (Table *table : dm->filterOrder()) {
                table->Append();
                table->FieldByName("ClientId").SetAsString(id);
                table->Post();
            }
        }
        dm->ClearStatementFilters();
    }

    // Moves the statement list to the row of the given statement.
    void selectInList(const QString &id)
    {
        Table &client = dm->tblClient;
        for (client.First(); !client.Eof(); client.Next())
            if (client.FieldByName("Id").AsString() == id)
                return;
        FAIL() << "no statement " << id.toStdString();
    }

    int visibleRows(Table &table)
    {
        int rows = 0;
        for (table.First(); !table.Eof(); table.Next())
            ++rows;
        table.First();
        return rows;
    }

    QString smith;
    QString adams;
};

TEST_F(StatementContextTest, SelectStatementShowsOneStatementInEveryTable)
{
    selectInList(adams);
    dm->SelectStatement();
    EXPECT_EQ(dm->CurrentClientId, adams);
    EXPECT_EQ(dm->tblClient.Filter(), "Id = " + adams);
    EXPECT_EQ(visibleRows(dm->tblClient), 1);
    for (Table *table : dm->filterOrder()) {
        EXPECT_EQ(table->Filter(), "ClientId = \"" + adams + "\"") << table->TableName().toStdString();
        EXPECT_TRUE(table->Filtered());
        EXPECT_EQ(visibleRows(*table), 1) << table->TableName().toStdString();
        EXPECT_EQ(table->FieldByName("ClientId").AsString(), adams);
    }
    EXPECT_FALSE(dm->tblUser.Filtered());
}

TEST_F(StatementContextTest, SelectStatementDetailsLeavesTheListWhole)
{
    selectInList(smith);
    dm->SelectStatementDetails();
    EXPECT_EQ(dm->CurrentClientId, smith);
    EXPECT_FALSE(dm->tblClient.Filtered());
    EXPECT_EQ(dm->tblClient.FieldByName("Id").AsString(), smith);
    EXPECT_EQ(visibleRows(dm->tblClient), 2);
    for (Table *table : dm->filterOrder())
        EXPECT_EQ(table->FieldByName("ClientId").AsString(), smith) << table->TableName().toStdString();
}

TEST_F(StatementContextTest, SelectNoStatementLeavesExactlyTheOrphanRows)
{
    dm->SelectNoStatement();
    EXPECT_EQ(dm->CurrentClientId, "");
    for (Table *table : dm->filterOrder()) {
        EXPECT_EQ(table->Filter(), "ClientId = \"\"");
        EXPECT_EQ(visibleRows(*table), 1) << table->TableName().toStdString();
        EXPECT_EQ(table->FieldByName("ClientId").AsString(), "");
    }
}

TEST_F(StatementContextTest, ClearStatementFiltersShowsEveryRowFromTheFirst)
{
    selectInList(adams);
    dm->SelectStatement();
    dm->tblCash.Next();
    dm->ClearStatementFilters();
    EXPECT_FALSE(dm->tblClient.Filtered());
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Adams");
    EXPECT_EQ(visibleRows(dm->tblClient), 2);
    for (Table *table : dm->filterOrder()) {
        EXPECT_FALSE(table->Filtered());
        // The filter text stays; only filtering is off.
        EXPECT_EQ(table->Filter(), "ClientId = \"" + adams + "\"");
        EXPECT_EQ(visibleRows(*table), 3) << table->TableName().toStdString();
        EXPECT_EQ(table->FieldByName("ClientId").AsString(), smith) << table->TableName().toStdString();
    }
}

TEST_F(StatementContextTest, HasStatementAndJointStatementReadTheCurrentRow)
{
    selectInList(adams);
    EXPECT_EQ(dm->HasStatement(), "Yes");
    EXPECT_EQ(dm->IsJointStatement(), "Yes");
    selectInList(smith);
    EXPECT_EQ(dm->IsJointStatement(), "No");

    // Only exactly "Yes" makes a joint statement.
    Table &client = dm->tblClient;
    for (const QString &answer : {QString("yes"), QString(""), QString("Yes ")}) {
        client.Edit();
        client.FieldByName("JointStatement").SetAsString(answer);
        client.Post();
        EXPECT_EQ(dm->IsJointStatement(), "No") << answer.toStdString();
    }

    client.Append();
    EXPECT_EQ(dm->HasStatement(), "No");
    client.Cancel();
}

TEST_F(StatementContextTest, NewStatementGetsAFreshIdThroughTheIncompleteFilter)
{
    // Add: a new row is appended, then the statement is selected while it has no Id yet.
    dm->StatementEditMode = "Append";
    dm->tblClient.Append();
    ASSERT_NO_THROW(dm->SelectStatement());
    EXPECT_EQ(dm->CurrentClientId, "");
    EXPECT_EQ(dm->tblClient.Filter(), "Id = ");
    EXPECT_TRUE(dm->tblClient.Eof());
    for (Table *table : dm->filterOrder())
        EXPECT_EQ(table->FieldByName("ClientId").AsString(), "");

    dm->EditOrAppendClient();
    EXPECT_EQ(dm->tblClient.state(), Table::State::Insert);
    dm->tblClient.FieldByName("LastName").SetAsString("Newman");
    dm->tblClient.Post();
    dm->SelectStatement();
    EXPECT_FALSE(dm->CurrentClientId.isEmpty());
    EXPECT_NE(dm->CurrentClientId, smith);
    EXPECT_NE(dm->CurrentClientId, adams);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Newman");
    EXPECT_TRUE(dm->tblFSPro.IsEmpty());

    dm->StatementEditMode = "Edit";
    dm->EditOrAppendClient();
    EXPECT_EQ(dm->tblClient.state(), Table::State::Edit);
    dm->tblClient.Cancel();
}

TEST(DataModule, HasStatementOnAnEmptyListIsNo)
{
    TempDatabase db;
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(db.path());
    dm.db1.SetConnected(true);
    dm.OpenTables();
    EXPECT_EQ(dm.HasStatement(), "No");
    dm.CloseTables();
    for (Table *table : dm.openOrder())
        EXPECT_FALSE(table->Active());
    dm.DisconnectDatabase();
    EXPECT_FALSE(dm.db1.Connected());
}

TEST(DataModule, LocateDatabaseFileTakesTheFirstCandidateThatExists)
{
    QTemporaryDir home;
    ScopedEnvironment dataHome("XDG_DATA_HOME", home.path().toUtf8());
    const QStringList candidates = Tdm1::DatabaseFileCandidates();
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates.first(), home.path() + "/Norvale/Worthsheet 2010/data/wks.ABS");
    EXPECT_EQ(candidates.last(), "/opt/Norvale/Worthsheet 2010/data/wks.ABS");

    if (!QFileInfo::exists(candidates.last()))
        EXPECT_EQ(Tdm1::LocateDatabaseFile(), "");
    ASSERT_TRUE(createDatabaseFile(candidates.first()));
    EXPECT_EQ(Tdm1::LocateDatabaseFile(), candidates.first());

    // A folder of that name is not a database file.
    QFile::remove(candidates.first());
    QDir().mkpath(candidates.first());
    if (!QFileInfo::exists(candidates.last()))
        EXPECT_EQ(Tdm1::LocateDatabaseFile(), "");
}

} // namespace
