// Data-bound controls on a real database: they show the current row, typing edits it,
// and the grid moves the table's current row.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "support/temp_database.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/db_text.h"

namespace {

class BoundControlsTest : public DataModuleTest
{
protected:
    void addCash(const QString &name, const QString &balance)
    {
        Table &cash = dm->tblCash;
        cash.Append();
        cash.FieldByName("ClientId").SetAsString("1");
        cash.FieldByName("RegisteredName").SetAsString(name);
        cash.FieldByName("Balance").SetAsString(balance);
        cash.Post();
    }
};

TEST_F(BoundControlsTest, EditShowsTheCurrentRowAndTypingEditsIt)
{
    addCash("Alpha", "10");
    addCash("Beta", "20");
    dm->tblCash.First();
    DBEdit name;
    name.setDataSource(&dm->dsCash);
    name.setDataField("RegisteredName");
    DBText balance;
    balance.setDataSource(&dm->dsCash);
    balance.setDataField("Balance");
    EXPECT_EQ(name.text(), "Alpha");
    EXPECT_EQ(balance.text(), "10");

    dm->tblCash.Next();
    EXPECT_EQ(name.text(), "Beta");
    EXPECT_EQ(balance.text(), "20");

    QTest::keyClicks(&name, "!");
    EXPECT_EQ(dm->tblCash.state(), Table::State::Edit);
    EXPECT_EQ(name.text(), "Beta!");
    EXPECT_EQ(dm->tblCash.FieldByName("RegisteredName").AsString(), "Beta!");
    dm->tblCash.Post();
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE RegisteredName = 'Beta!'"), 1);

    dm->tblCash.Edit();
    QTest::keyClicks(&name, "??");
    dm->tblCash.Cancel();
    EXPECT_EQ(name.text(), "Beta!");
}

TEST_F(BoundControlsTest, FloatFieldAcceptsOnlyNumbers)
{
    addCash("Alpha", "10");
    DBEdit balance;
    balance.setDataSource(&dm->dsCash);
    balance.setDataField("Balance");
    balance.clear();
    QTest::keyClicks(&balance, "-12a.5x");
    EXPECT_EQ(balance.text(), "-12.5");
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsFloat(), -12.5);
    balance.selectAll();
    QTest::keyClick(&balance, Qt::Key_Delete);
    EXPECT_TRUE(dm->tblCash.FieldByName("Balance").IsNull());
}

TEST_F(BoundControlsTest, TypingIntoAnEmptyTableStartsItsFirstRow)
{
    DBEdit user;
    user.setDataSource(&dm->dsUser);
    user.setDataField("User");
    QTest::keyClicks(&user, "me");
    EXPECT_EQ(dm->tblUser.state(), Table::State::Insert);
    dm->tblUser.Post();
    EXPECT_EQ(db.text("SELECT User FROM User"), "me");
}

TEST_F(BoundControlsTest, ComboBoxStoresPickedOrTypedTextUpperCasedWhenAsked)
{
    addCash("Alpha", "1");
    DBComboBox type;
    type.setDataSource(&dm->dsCash);
    type.setDataField("Type");
    type.setEntries({"Cash on Hand", "Checking Account"});
    type.show();
    type.setCurrentIndex(1);
    emit type.activated(1);
    EXPECT_EQ(dm->tblCash.FieldByName("Type").AsString(), "Checking Account");
    dm->tblCash.Post();

    DBComboBox state;
    state.setDataSource(&dm->dsCash);
    state.setDataField("PledgedTo");
    state.setUpperCase(true);
    state.lineEdit()->clear();
    QTest::keyClicks(state.lineEdit(), "tx");
    EXPECT_EQ(state.currentText(), "TX");
    EXPECT_EQ(dm->tblCash.FieldByName("PledgedTo").AsString(), "TX");
}

TEST_F(BoundControlsTest, GridReadsInBatchesAndSelectionMovesTheTable)
{
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
            "INSERT INTO Client (FirstName, LastName) SELECT 'F' || i, printf('Name %04d', i) FROM n");
    reopen();
    DBGrid grid;
    grid.resize(400, 200);
    grid.setColumns({{"LastName", "Last Name", 200}, {"FirstName", "First Name", 150}});
    grid.setDataSource(&dm->dsClient);
    grid.show();
    EXPECT_LT(grid.model()->rowCount(), 200);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Last Name");
    EXPECT_EQ(grid.currentIndex().row(), 0);

    grid.selectRow(5);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Name 0006");
    dm->tblClient.Next();
    EXPECT_EQ(grid.currentIndex().row(), 6);

    // Following the table far down reads further batches, not the whole table at once.
    for (int i = 0; i < 300; ++i)
        dm->tblClient.Next();
    EXPECT_EQ(grid.model()->index(grid.currentIndex().row(), 0).data().toString(), "Name 0307");
    EXPECT_LT(grid.model()->rowCount(), 500);

    dm->tblClient.SetFilter("Id = 10");
    dm->tblClient.SetFiltered(true);
    dm->tblClient.First();
    EXPECT_EQ(grid.model()->rowCount(), 1);
}

TEST_F(BoundControlsTest, GridKeepsAnEditedRowWhenTheWindowCheckRefuses)
{
    addClient("Ann", "Avery");
    addClient("Bob", "Brown");
    dm->tblClient.First();
    DBGrid grid;
    grid.setColumns({{"LastName", "Last Name", 200}});
    grid.setDataSource(&dm->dsClient);
    grid.show();
    int checks = 0;
    grid.setLeaveRowCheck([&checks] {
        ++checks;
        return false;
    });
    dm->tblClient.Edit();
    dm->tblClient.FieldByName("LastName").SetAsString("Avery-Typed");
    grid.selectRow(1);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(dm->tblClient.state(), Table::State::Edit);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Avery-Typed");
    EXPECT_TRUE(QTest::qWaitFor([&grid] { return grid.currentIndex().row() == 0; }, 1000));
}

} // namespace
