// Data-bound controls on a real database: they show the current row, typing edits it,
// and the grid moves the table's current row.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "support/recording_messages.h"
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

TEST_F(BoundControlsTest, EditsShowTheRowThatIsCurrentAfterAPostOrADelete)
{
    addCash("Alpha", "10");
    addCash("Beta", "20");
    addCash("Gamma", "30");
    dm->tblCash.First();
    DBEdit name;
    name.setDataSource(&dm->dsCash);
    name.setDataField("RegisteredName");
    DBEdit balance;
    balance.setDataSource(&dm->dsCash);
    balance.setDataField("Balance");

    // A post made elsewhere, not by typing into these edits.
    dm->tblCash.Edit();
    dm->tblCash.FieldByName("Balance").SetAsFloat(11);
    dm->tblCash.Post();
    EXPECT_EQ(balance.text(), "11");
    // A post that moves the row in the table's order shows the row where it now stands.
    dm->tblCash.Edit();
    dm->tblCash.FieldByName("RegisteredName").SetAsString("Zeta");
    dm->tblCash.Post();
    EXPECT_EQ(name.text(), "Zeta");
    dm->tblCash.First();
    EXPECT_EQ(name.text(), "Beta");
    dm->tblCash.Delete();
    EXPECT_EQ(name.text(), "Gamma");
    EXPECT_EQ(balance.text(), "30");
}

TEST_F(BoundControlsTest, FloatFieldStoresAmountsAsTypedAndEmptiesToNothing)
{
    addCash("Alpha", "10");
    DBEdit balance;
    balance.setDataSource(&dm->dsCash);
    balance.setDataField("Balance");
    balance.clear();
    QTest::keyClicks(&balance, "-$1,212.50");
    EXPECT_EQ(balance.text(), "-$1,212.50");
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsFloat(), -1212.5);
    EXPECT_FALSE(balance.isRefused());
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

TEST_F(BoundControlsTest, ComboBoxStoresExactlyWhatItShows)
{
    addCash("Alpha", "1");
    RecordingMessages messages;
    QWidget window;
    auto *caption = new QLabel("* Type of Account:", &window);
    auto *type = new DBComboBox(&window);
    caption->setBuddy(type);
    type->setDataSource(&dm->dsCash);
    type->setDataField("Type");
    type->setEntries({"Cash on Hand", "Checking Account", "Savings Account"});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    type->setFocus();

    // The beginning of an entry shows and stores the entry, its rest selected.
    QTest::keyClicks(type->lineEdit(), "sav");
    EXPECT_EQ(type->currentText(), "Savings Account");
    EXPECT_EQ(type->lineEdit()->selectedText(), "ings Account");
    EXPECT_EQ(dm->tblCash.FieldByName("Type").AsString(), "Savings Account");

    // Text that is no entry stays as typed and is stored nowhere.
    type->lineEdit()->selectAll();
    QTest::keyClicks(type->lineEdit(), "Brokerage");
    EXPECT_EQ(type->currentText(), "Brokerage");
    EXPECT_TRUE(type->isRefused());
    EXPECT_EQ(dm->tblCash.FieldByName("Type").AsString(), "Savings Account");
    EXPECT_EQ(TypedControl::checkTyping(&window), "Please choose \"Type of Account\" from its list.");
    EXPECT_EQ(type->lineEdit()->selectedText(), "Brokerage");

    // Picking with the keyboard from an empty list starts at the first entry.
    QTest::keyClick(type->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(type->currentText(), "Cash on Hand");
    EXPECT_FALSE(type->isRefused());
    dm->tblCash.Post();
    EXPECT_EQ(db.text("SELECT Type FROM Cash"), "Cash on Hand");

    // Moving to another row shows that row's value without writing anything.
    addCash("Beta", "2");
    dm->tblCash.First();
    EXPECT_EQ(dm->tblCash.state(), Table::State::Browse);
}

TEST_F(BoundControlsTest, UpperCasingTurnsTypedLettersIntoCapitals)
{
    addCash("Alpha", "1");
    DBComboBox state;
    state.setDataSource(&dm->dsCash);
    state.setDataField("PledgedTo");
    state.setEntries({"TN", "TX"});
    state.setOtherTextAllowed(true);
    state.setUpperCase(true);
    QTest::keyClicks(state.lineEdit(), "tx");
    EXPECT_EQ(state.currentText(), "TX");
    EXPECT_EQ(dm->tblCash.FieldByName("PledgedTo").AsString(), "TX");
    // A list that allows other text stores it as typed.
    state.lineEdit()->selectAll();
    QTest::keyClicks(state.lineEdit(), "ms");
    EXPECT_EQ(dm->tblCash.FieldByName("PledgedTo").AsString(), "MS");
    EXPECT_FALSE(state.isRefused());

    DBEdit initial;
    initial.setDataSource(&dm->dsCash);
    initial.setDataField("Bank");
    initial.setUpperCase(true);
    QTest::keyClicks(&initial, "q");
    EXPECT_EQ(initial.text(), "Q");
    EXPECT_EQ(dm->tblCash.FieldByName("Bank").AsString(), "Q");
}

TEST_F(BoundControlsTest, ControlsNameTheirFieldAndTable)
{
    DBEdit edit;
    edit.setDataSource(&dm->dsCash);
    edit.setDataField("Balance");
    DBComboBox list;
    list.setDataSource(&dm->dsCash);
    list.setDataField("Type");
    DBText text;
    text.setDataSource(&dm->dsFSPro);
    text.setDataField("CashOnHand");
    for (QObject *control : {static_cast<QObject *>(&edit), static_cast<QObject *>(&list), static_cast<QObject *>(&text)})
        EXPECT_FALSE(control->property("dataField").toString().isEmpty());
    EXPECT_EQ(edit.property("dataField").toString(), "Balance");
    EXPECT_EQ(list.property("dataTable").toString(), "Cash");
    EXPECT_EQ(text.property("dataTable").toString(), "FSPro");
}

TEST_F(BoundControlsTest, AnAmountFieldKeepsWhatIsNoAmountAndSaysSoWhenLeft)
{
    addCash("Alpha", "10");
    RecordingMessages messages;
    QWidget window;
    auto *caption = new QLabel("* Current Balance:", &window);
    auto *balance = new DBEdit(&window);
    new QLineEdit(&window); // where Tab would go
    caption->setBuddy(balance);
    balance->setDataSource(&dm->dsCash);
    balance->setDataField("Balance");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QColor normal = caption->palette().color(QPalette::WindowText);

    // Every key stays where it was typed; nothing of a text that is no amount is stored,
    // not even the number it began with.
    for (const char *typed : {"12o0", "1.234,50", "abc", "1e5"}) {
        dm->tblCash.Cancel();
        balance->setFocus();
        balance->selectAll();
        QTest::keyClicks(balance, typed);
        EXPECT_EQ(balance->text(), QString(typed)) << typed;
        EXPECT_TRUE(balance->isRefused()) << typed;
        const int before = messages.texts().size();
        QTest::keyClick(balance, Qt::Key_Tab);
        // Told once, with the focus back on what was refused, selected for the next keys.
        EXPECT_TRUE(balance->hasFocus());
        EXPECT_EQ(balance->selectedText(), QString(typed));
        ASSERT_EQ(messages.texts().size(), before + 1) << typed;
        EXPECT_EQ(messages.last(), DBEdit::AmountMessage);
        EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_EQ(balance->text(), QString(typed)) << typed;
        EXPECT_EQ(TypedControl::checkTyping(&window), DBEdit::AmountMessage);
        EXPECT_TRUE(balance->hasFocus());
        dm->tblCash.Cancel();
        EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE Balance = 10"), 1) << typed;
    }
    // Once corrected, the amount is stored and the caption is as before.
    balance->selectAll();
    QTest::keyClicks(balance, "1,234.50");
    EXPECT_FALSE(balance->isRefused());
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsFloat(), 1234.5);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), normal);
    EXPECT_TRUE(TypedControl::checkTyping(&window).isEmpty());

    // A number beyond what an amount may be is not stored, and the user is told so.
    dm->tblCash.Cancel();
    balance->setFocus();
    balance->selectAll();
    QTest::keyClicks(balance, "2,000,000,000,000,000");
    QTest::keyClick(balance, Qt::Key_Tab);
    EXPECT_EQ(messages.last(), DBEdit::AmountRangeMessage);
    EXPECT_EQ(TypedControl::checkTyping(&window), DBEdit::AmountRangeMessage);
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash WHERE Balance = 10"), 1);
    // A pasted amount is read like a typed one.
    balance->setFocus();
    balance->selectAll();
    QGuiApplication::clipboard()->setText("$100,000");
    QTest::keyClick(balance, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(balance->text(), "$100,000");
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsFloat(), 100000);
    // Leaving it shows the stored form.
    QTest::keyClick(balance, Qt::Key_Tab);
    EXPECT_EQ(balance->text(), "100000");
    // Dropping the row's changes drops the refused typing with them.
    balance->setFocus();
    balance->selectAll();
    QTest::keyClicks(balance, "abc");
    dm->tblCash.Cancel();
    QTest::keyClick(balance, Qt::Key_Tab);
    TypedControl::revertTyping(&window);
    EXPECT_EQ(balance->text(), "10");
    EXPECT_FALSE(balance->isRefused());
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

TEST_F(BoundControlsTest, GridShowsEveryRowOnceInOrderAcrossItsBatches)
{
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
            "INSERT INTO Client (FirstName, LastName) SELECT 'F' || i, printf('Name %04d', i) FROM n");
    // Around the edges of a batch of 64 rows, and across several batches.
    for (const int rows : {200, 129, 128, 65, 64, 63}) {
        SCOPED_TRACE(rows);
        db.exec(QString("DELETE FROM Client WHERE LastName > printf('Name %04d', %1)").arg(rows));
        reopen();
        DBGrid grid;
        grid.setColumns({{"LastName", "Last Name", 200}});
        grid.setDataSource(&dm->dsClient);
        // A grid reads its rows once it is shown.
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        QAbstractItemModel *model = grid.model();
        while (model->canFetchMore({}))
            model->fetchMore({});
        ASSERT_EQ(model->rowCount(), rows);
        for (int row = 0; row < rows; ++row)
            ASSERT_EQ(model->index(row, 0).data().toString(), QString::asprintf("Name %04d", row + 1)) << row;
    }
}

TEST_F(BoundControlsTest, GridKeepsAnEditedRowWhenTheWindowCheckRefuses)
{
    addClient("Ann", "Avery");
    addClient("Bob", "Brown");
    dm->tblClient.First();
    DBGrid grid;
    grid.resize(300, 150);
    grid.setColumns({{"LastName", "Last Name", 200}});
    grid.setDataSource(&dm->dsClient);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    int checks = 0;
    grid.setLeaveRowCheck([&checks] {
        ++checks;
        return false;
    });
    QSignalSpy moves(grid.selectionModel(), &QItemSelectionModel::currentRowChanged);
    dm->tblClient.Edit();
    dm->tblClient.FieldByName("LastName").SetAsString("Avery-Typed");

    // Neither the mouse nor the keys move the selection, not even for a moment.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 0)).center());
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(dm->tblClient.state(), Table::State::Edit);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Avery-Typed");
}

TEST_F(BoundControlsTest, GridMovesOnOnceTheCheckHasSavedTheRow)
{
    for (const char *name : {"Avery", "Brown", "Clark", "Dunn"})
        addClient("X", name);
    dm->tblClient.First();
    DBGrid grid;
    grid.resize(300, 200);
    grid.setColumns({{"LastName", "Last Name", 200}});
    grid.setDataSource(&dm->dsClient);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    // As a list window's check does: it posts the row, which reads the grid's rows again.
    grid.setLeaveRowCheck([this] {
        dm->tblClient.Post();
        return true;
    });

    dm->tblClient.Edit();
    dm->tblClient.FieldByName("LastName").SetAsString("Avery2");
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(2, 0)).center());
    EXPECT_EQ(db.count("SELECT count(*) FROM Client WHERE LastName = 'Avery2'"), 1);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Clark");
    EXPECT_EQ(grid.currentIndex().row(), 2);

    dm->tblClient.Edit();
    dm->tblClient.FieldByName("LastName").SetAsString("Clark2");
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(db.count("SELECT count(*) FROM Client WHERE LastName = 'Clark2'"), 1);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Brown");
    EXPECT_EQ(grid.currentIndex().row(), 1);
}

} // namespace
