// The list editor's behaviour beyond its texts: derived values, the grid and the keyboard,
// a failed store, the walk through every list window, and a whole statement entered
// through the windows.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/entry_lists.h"
#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "print/engine/composite_report.h"
#include "print/pages/tqr_cont_joint_details.h"
#include "sections/list_members.h"
#include "sections/window_catalogue.h"
#include "ui/db_grid.h"
#include "ui/format_money.h"

namespace {

class ListEditorTest : public ListWindowTest
{
protected:
    void addRow(const std::vector<std::pair<QString, QString>> &values)
    {
        clickButton("btnAdd");
        for (const auto &[field, value] : values)
            typeInto(field, value);
        clickButton("btnOK");
    }
    DBGrid *grid() const { return window()->findChild<DBGrid *>("DBGrid1"); }
    void clickGridRow(int row)
    {
        DBGrid *g = grid();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, 0)).center());
    }
    QString shownText(const QString &field) const
    {
        QWidget *control = window()->controlOf(field);
        if (auto *list = qobject_cast<QComboBox *>(control))
            return list->currentText();
        return qobject_cast<QLineEdit *>(control)->text();
    }
};

TEST_F(ListEditorTest, IncomeAndExpensesStoreTheMonthlyAmountAndAutosTheirDescription)
{
    ASSERT_TRUE(openFromLink("lblIncome"));
    addRow({{"Description", "Consulting"}, {"Type", "All Other Income"}, {"Amount", "100"}});
    addRow({{"Description", "Salary"}, {"Type", "Salaries and Wages (Individual)"}, {"Amount", "1200"}});
    EXPECT_EQ(text("SELECT MAmount FROM Incomes WHERE Description = 'Consulting'"), "83333");
    EXPECT_EQ(text("SELECT MAmount FROM Incomes WHERE Description = 'Salary'"), "1000000");
    EXPECT_EQ(totalLabel(), "Total: $1,300.00");
    clickButton("btnClose");

    ASSERT_TRUE(openFromLink("lblExpenses"));
    addRow({{"Description", "Flat"}, {"Type", EntryLists::expenseTypes().first()}, {"Amount", "600"}});
    EXPECT_EQ(text("SELECT MAmount FROM Expenditure WHERE Description = 'Flat'"), "500000");
    clickButton("btnClose");

    ASSERT_TRUE(openFromLink("lblAutos"));
    addRow({{"Model", "Volvo 240"}, {"Year", "2004"}, {"CurrentValue", "1234.5"}});
    EXPECT_EQ(text("SELECT Description FROM Auto"), "2004 Volvo 240");
    EXPECT_EQ(grid()->model()->index(0, 0).data().toString(), "2004 Volvo 240");
    EXPECT_EQ(totalLabel(), "Total: $1,234.50");
    clickButton("btnClose");
}

TEST_F(ListEditorTest, ACashTypeStoredInItsFormerSpellingShowsAndPrintsTheEntryAndIsStoredSoWhenSaved)
{
    const QString entry = "Certificate of Deposit";
    exec("INSERT INTO Cash (ClientId, RegisteredName, Type, Balance) VALUES ('1', 'Ann', 'Certificated of Deposit', 5000)");
    const auto stored = [&] { return text("SELECT Type FROM Cash"); };
    ASSERT_TRUE(openFromLink("lblCash"));
    auto *list = qobject_cast<QComboBox *>(window()->controlOf("Type"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->currentText(), entry);
    EXPECT_EQ(list->itemText(list->currentIndex()), entry);
    EXPECT_EQ(grid()->model()->index(0, 1).data().toString(), entry);
    clickButton("btnClose");
    EXPECT_EQ(stored(), "Certificated of Deposit");

    // On paper, schedule A names the entry.
    Tdm1 &dm = main->dm1();
    dm.SelectStatement();
    TqrCont_Joint_Details assets(dm);
    Report::CompositeReport composite;
    composite.setAddReports([&](Report::CompositeReport &c) { c.addReport(&assets); });
    QStringList printed;
    for (const Report::DocumentPage &sheet : composite.layout().pages)
        for (const Report::TextPrimitive *t : sheet.texts())
            printed << t->text;
    dm.ClearStatementFilters();
    EXPECT_TRUE(printed.contains(entry)) << printed.join("|").toStdString();
    EXPECT_FALSE(printed.contains("Certificated of Deposit"));

    // Saved again, the row is stored with the entry.
    ASSERT_TRUE(openFromLink("lblCash"));
    typeInto("Balance", "5100");
    clickButton("btnOK");
    clickButton("btnClose");
    EXPECT_EQ(stored(), entry);
    EXPECT_EQ(text("SELECT Balance FROM Cash"), "5100.0");
}

TEST_F(ListEditorTest, TheRealEstateLiabilitiesGridShowsTheOwedShareOfTheLoanUnderAssetLiability)
{
    ASSERT_TRUE(openFromLink("lblMortgages_Liability"));
    addRow({{"Description", "Home"}, {"Type", "Homestead"}, {"YearAcquired", "1999"}, {"PercentOwned", "100"},
            {"PercentLiability", "50"}, {"MarketValue", "350000"}, {"CurrentBalance", "212400"}});
    const QAbstractItemModel *model = grid()->model();
    int column = -1;
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == "Asset Liability")
            column = c;
    ASSERT_GE(column, 0);
    EXPECT_EQ(model->index(0, column).data().toString().remove(',').toDouble(), 106200);
    clickButton("btnClose");
}

TEST_F(ListEditorTest, LeavingATypedRowInTheGridStoresItFirstOrStaysWhenItIsIncomplete)
{
    ASSERT_TRUE(openFromLink("lblBank_Liability"));
    addRow({{"Description", "Alpha note"}, {"Bank", "First"}, {"Amount", "100"}});
    addRow({{"Description", "Beta note"}, {"Bank", "Second"}, {"Amount", "200"}});
    clickGridRow(0);
    ASSERT_EQ(shownText("Description"), "Alpha note");

    // A change, then another row chosen: the change is stored with its totals, then the move.
    typeInto("Amount", "150");
    clickGridRow(1);
    EXPECT_EQ(text("SELECT Amount FROM Bank WHERE Description = 'Alpha note'"), "150.0");
    EXPECT_DOUBLE_EQ(storedTotal("BankLiability"), 350);
    EXPECT_EQ(totalLabel(), "Total: $350.00");
    EXPECT_EQ(shownText("Description"), "Beta note");

    // A required field emptied: the message, and the grid stays on the row with the typing.
    typeInto("Bank", "");
    QTest::keyClick(window()->controlOf("Bank"), Qt::Key_Backspace);
    clickGridRow(0);
    EXPECT_EQ(messages->last(), "Please enter Bank.");
    EXPECT_EQ(shownText("Description"), "Beta note");
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    EXPECT_EQ(text("SELECT Bank FROM Bank WHERE Description = 'Beta note'"), "Second");

    // Add with a typed row does the same: stored first, or nothing when it is incomplete.
    clickButton("btnAdd");
    EXPECT_EQ(main->dm1().tblBank.state(), Table::State::Edit);
    typeInto("Bank", "Third");
    clickButton("btnAdd");
    EXPECT_EQ(text("SELECT Bank FROM Bank WHERE Description = 'Beta note'"), "Third");
    EXPECT_EQ(main->dm1().tblBank.state(), Table::State::Insert);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Bank WHERE ClientId <> '1'"), 0);
    clickButton("btnClose");
}

TEST_F(ListEditorTest, TheKeyboardReachesEveryFieldAndButtonAndMovesTheGrid)
{
    SectionListEditor *w = openFromLink("lblCash");
    ASSERT_TRUE(w);
    // Cash focuses its first field when shown; Tab walks the fields in their listed order.
    ASSERT_EQ(QApplication::focusWidget(), w->firstField());
    QStringList order;
    for (int i = 0; i < 14; ++i) {
        QWidget *focus = QApplication::focusWidget();
        order << (focus->property("dataField").isValid() ? focus->property("dataField").toString() : focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"RegisteredName", "Type", "Bank", "AccountNumber", "Balance", "Pledged", "PledgedTo",
                                  "btnAdd", "btnDelete", "btnCancel", "btnClose", "btnPrevious", "btnNext", "btnOK"}));

    // Space presses the focused button: Add, then typing, then OK.
    auto *add = w->findChild<QPushButton *>("btnAdd");
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Space);
    EXPECT_EQ(main->dm1().tblCash.state(), Table::State::Insert);
    typeInto("RegisteredName", "Zed");
    typeInto("Type", "Cash on Hand");
    typeInto("Balance", "5");
    auto *ok = w->findChild<QPushButton *>("btnOK");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Cash"), 1);
    addRow({{"RegisteredName", "Abe"}, {"Type", "Cash on Hand"}, {"Balance", "7"}});

    // The grid follows the arrow keys.
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(shownText("RegisteredName"), "Abe");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(shownText("RegisteredName"), "Zed");
    QTest::keyClick(grid(), Qt::Key_Up);
    EXPECT_EQ(shownText("RegisteredName"), "Abe");
    clickButton("btnClose");
}

TEST_F(ListEditorTest, AFailedStoreShowsTheErrorAndKeepsTheWindowWithWhatWasTyped)
{
    ASSERT_TRUE(openFromLink("lblTaxes_Liability"));
    exec("CREATE TRIGGER refuse BEFORE UPDATE ON FSPro BEGIN SELECT RAISE(ABORT, 'The disk is full'); END");
    clickButton("btnAdd");
    typeInto("Description", "Property");
    typeInto("Explanation", "Second half");
    typeInto("Amount", "1800");
    clickButton("btnOK");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_TRUE(messages->last().contains("The disk is full"));
    clickButton("btnNext");
    EXPECT_EQ(shownClass(), "TfrmTax_Liabilities");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Taxes"), 0);
    EXPECT_EQ(shownText("Explanation"), "Second half");
    EXPECT_EQ(shownText("Amount"), "1800");

    exec("DROP TRIGGER refuse");
    clickButton("btnOK");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Taxes WHERE ClientId = '1'"), 1);
    EXPECT_DOUBLE_EQ(storedTotal("TaxLiability"), 1800);
    clickButton("btnClose");
}

TEST_F(ListEditorTest, WalkingEveryEmptyListWindowStoresNothingAndSaysNothing)
{
    const QString before = text("SELECT group_concat(IFNULL(TotalAssets, '') || IFNULL(NetWorth, '')) FROM FSPro");
    ASSERT_TRUE(openFromLink("lblCash"));
    QStringList walked;
    while (window()) {
        walked << shownClass();
        clickButton("btnNext");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(walked.size(), 17);
    EXPECT_EQ(walked.first(), "TfrmCash");
    EXPECT_EQ(walked.last(), "TfrmExpenses");
    EXPECT_EQ(shownClass(), "TfrmLegal");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    for (const ListMember &member : listMembers())
        EXPECT_EQ(count("SELECT COUNT(*) FROM \"" + (main->dm1().*member.table).TableName() + "\""), 0);
    main->shownWindow()->close();
}

TEST_F(ListEditorTest, AWholeStatementEnteredThroughTheWindowsShowsItsTotalsOnTheOverview)
{
    struct Entry
    {
        const char *link;
        std::vector<std::vector<std::pair<QString, QString>>> rows;
    };
    const std::vector<Entry> entries = {
        {"lblCash", {{{"RegisteredName", "Ann"}, {"Type", "Checking Account"}, {"Balance", "2500.75"}},
                     {{"RegisteredName", "Joint"}, {"Type", "Savings Account"}, {"Balance", "10000"}}}},
        {"lblInvestments", {{{"Description", "Acme"}, {"InvestmentType", "Stock"}, {"Exchange", "NYSE"},
                             {"PurchasePrice", "800"}, {"MarketValue", "950"}},
                            {{"Description", "Fund"}, {"InvestmentType", "Mutual Fund"}, {"Exchange", "Unlisted"},
                             {"PurchasePrice", "5000"}, {"MarketValue", "6100"}}}},
        {"lblRealEstate", {{{"Description", "Home"}, {"Type", "Homestead"}, {"YearAcquired", "1999"},
                            {"PercentOwned", "100"}, {"PercentLiability", "100"}, {"MarketValue", "300000"},
                            {"CurrentBalance", "120000"}}}},
        {"lblAutos", {{{"Model", "Volvo"}, {"Year", "2004"}, {"CurrentValue", "4200"}, {"MonthlyPayment", "150"}}}},
        {"lblLifeInsurance", {{{"Insured", "Ann"}, {"Company", "Mutual"}, {"Beneficiary", "Bob"}, {"FaceValue", "100000"},
                               {"CashValue", "3000"}, {"Pledged", "No"}}}},
        {"lblPersonal", {{{"Description", "Furniture"}, {"Registered", "Ann"}, {"Value", "8000"}}}},
        {"lblBusiness", {{{"Description", "Bakery"}, {"Registered", "Ann"}, {"Value", "20000"}}}},
        {"lblOther", {{{"Type", "Accounts and Notes Receivable"}, {"Description", "Loan to Bob"}, {"Registered", "Ann"},
                       {"Value", "1500"}},
                      {{"Type", "Restricted or Margin Account"}, {"Description", "Margin"}, {"Registered", "Ann"},
                       {"Value", "900"}}}},
        {"lblBank_Liability", {{{"Description", "Note"}, {"Bank", "First"}, {"Amount", "5000"}}}},
        {"lblCreditCard_Liability", {{{"Description", "Visa"}, {"CurrentBalance", "980.25"}},
                                     {{"Description", "Amex"}, {"CurrentBalance", "19.75"}}}},
        {"lblAuto_Liability", {{{"Description", "Volvo loan"}, {"LoanBalance", "3100"}}}},
        {"lblTaxes_Liability", {{{"Description", "Income"}, {"Explanation", "April"}, {"Amount", "1800"}}}},
        {"lblOther_Liability", {{{"Description", "Family"}, {"MonthlyPayment", "0"}, {"Amount", "2500"}}}},
        {"lblContingent_Liability", {{{"Description", "Guarantor"}, {"ToWhom", "First"}, {"Amount", "9000"}}}},
        {"lblIncome", {{{"Description", "Salary"}, {"Type", "Salaries and Wages (Individual)"}, {"Amount", "90000"}}}},
        {"lblExpenses", {{{"Description", "Rent"}, {"Type", "Rental Payment"}, {"Amount", "12000"}}}},
    };
    for (const Entry &entry : entries) {
        SCOPED_TRACE(entry.link);
        ASSERT_TRUE(openFromLink(entry.link));
        for (const auto &row : entry.rows)
            addRow(row);
        EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
        clickButton("btnClose");
    }
    // Some rows changed and deleted afterwards, as a user corrects a statement.
    ASSERT_TRUE(openFromLink("lblCash"));
    clickGridRow(0); // Ann
    typeInto("Balance", "2000");
    clickButton("btnOK");
    clickGridRow(1); // Joint
    clickButton("btnDelete");
    clickButton("btnClose");
    ASSERT_TRUE(openFromLink("lblCreditCard_Liability"));
    clickGridRow(0); // Amex
    clickButton("btnDelete");
    clickButton("btnClose");

    // The overview, from the list's first row: its labels against sums formed here.
    clickImage("imover_blue", "imover_orange");
    const double cash = 2000, investments = 950 + 6100, realEstate = 300000, autos = 4200, life = 3000;
    const double personal = 8000, business = 20000, other = 1500 + 900;
    const double assets = cash + investments + realEstate + autos + life + personal + business + other;
    const double liabilities = 5000 + 120000 + 980.25 + 3100 + 1800 + 2500;
    const std::map<QString, double> shown = {
        {"dbE1", cash},          {"dbE2", realEstate},   {"dbE3", investments}, {"dbE4", autos},
        {"dbE5", life},          {"dbE6", personal},     {"dbE7", business},    {"dbE8", 1500},
        {"dbE9", 900},           {"dbE10", other},       {"dbE11", 5000},       {"dbE12", 120000},
        {"dbE13", 980.25},       {"dbE14", 3100},        {"dbE15", 1800},       {"dbE16", 2500},
        {"dbE17", 9000},         {"dbTotalAssets", assets}, {"dbTotalLiabilities", liabilities},
        {"dbNetWorth", assets - liabilities}, {"dbTotalLiabilitiesandNetWorth", assets}};
    for (const auto &[control, value] : shown)
        EXPECT_EQ(child<QLabel>(control)->text(), FormatMoney(value)) << control.toStdString();
}

} // namespace
