// The seventeen list windows driven as a user does: through the main window's links,
// typing and clicking, with the exact texts of each window written out here as the oracle.
#include <algorithm>
#include <map>
#include <set>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "sections/list_members.h"
#include "sections/window_catalogue.h"
#include "ui/db_grid.h"
#include "ui/format_money.h"

namespace {

struct Oracle
{
    const char *link;
    const char *className;
    const char *caption;
    QStringList titles;
    QStringList labels;
    std::map<QString, QStringList> lists;
    std::vector<std::pair<QString, QString>> required; // field, message, in check order
    std::vector<std::pair<QString, QString>> complete; // what a user types for a whole row
    QString totalField;
    double total;
};

const QStringList NoYes = {"No", "Yes"};
const QStringList RealEstateLabels = {"* Description:", "* Property Type:", "* Year Acquired:", "* Owned:",
                                      "* Percent Liability:", "Lien Holder:", "* Market Value:", "Current Balance:",
                                      "Title in Name of:"};
const QStringList RealEstateTypes = {"Homestead", "Investment", "Rental", "Vacation", "Other"};
const std::vector<std::pair<QString, QString>> RealEstateRequired = {
    {"Description", "Please enter a Description."},     {"Type", "Please enter Property Type."},
    {"YearAcquired", "Please enter Year Acquired."},   {"PercentOwned", "Please enter Percent Owned Price."},
    {"PercentLiability", "Please enter Percent of Liability."}, {"MarketValue", "Please enter Market Value."}};
const std::vector<std::pair<QString, QString>> RealEstateRow = {
    {"Description", "Lake house"}, {"Type", "Vacation"},       {"YearAcquired", "1999"},
    {"PercentOwned", "50"},        {"PercentLiability", "40"}, {"MarketValue", "300000"},
    {"CurrentBalance", "100000"}};

const std::vector<Oracle> &oracles()
{
    static const std::vector<Oracle> all = {
        {"lblCash", "TfrmCash", "Assets - Cash", {"Registered Name", "Type of Account", "Balance"},
         {"* Registered Name:", "* Type of Account:", "Bank:", "Account Number:", "* Current Balance:", "Pledged?",
          "To Whom:"},
         {{"Type", {"Cash on Hand", "Checking Account", "Savings Account", "Certificate of Deposit", "Money Market Account"}},
          {"Pledged", NoYes}},
         {{"RegisteredName", "Please enter Registered Name."}, {"Type", "Please enter Type of Account."},
          {"Balance", "Please enter Balance."}},
         {{"RegisteredName", "Ann Avery"}, {"Type", "Savings Account"}, {"Balance", "1234.5"}},
         "CashOnHand", 1234.5},
        {"lblInvestments", "TfrmInvestments", "Assets - Investments", {"Description", "Investment Type", "Market Value"},
         {"* Description:", "* Investment Type:", "Registered in Name of:", "*Exchange:", "Shares:", "* Purchase Price:",
          "* Current Market Value:", "Pledged?", "To Whom:"},
         {{"InvestmentType", {"401K", "Bond", "Mutual Fund", "Retirement Account", "SEP/IRA", "Stock", "Other"}},
          {"Exchange", {"Unlisted", "AMEX", "BSE", "CBOE", "CBOT", "CHX", "CME", "KCBT", "MGE", "NASDAQ", "NYBOT", "NYMEX",
                        "NYSE", "PHLX", "PSE", "Other"}},
          {"Pledged", NoYes}},
         {{"Description", "Please enter a Description."}, {"InvestmentType", "Please enter Investment Type."},
          {"Exchange", "Please enter Exchange."}, {"PurchasePrice", "Please enter Purchase Price."},
          {"MarketValue", "Please enter Current Market Value."}},
         {{"Description", "Acme shares"}, {"InvestmentType", "Stock"}, {"Exchange", "NYSE"}, {"PurchasePrice", "800"},
          {"MarketValue", "950"}},
         "InvestmentTotals", 950},
        {"lblRealEstate", "TfrmRealEstate", "Assets - Real Estate",
         {"Description", "Property Type", "Asset Value", "Market Value"}, RealEstateLabels, {{"Type", RealEstateTypes}},
         RealEstateRequired, RealEstateRow, "RealEstateTotals", 150000},
        {"lblAutos", "TfrmAutos", "Assets - Autos", {"Auto Description", "Purchase Price", "Current Value"},
         {"* Make/Model:", "* Year:", "Purchase Price:", "* Current Value:", "Monthly Payment:"},
         {},
         {{"Model", "Please enter a Model."}, {"Year", "Please enter Year."}, {"CurrentValue", "Please enter Current Value."}},
         {{"Model", "Volvo 240"}, {"Year", "2004"}, {"CurrentValue", "4200"}},
         "AutoTotal", 4200},
        {"lblLifeInsurance", "TfrmLifeInsurance", "Assets - Life Insurance",
         {"Insured", "Company", "Face Value", "Cash Value"},
         {"* Insured:", "* Company:", "* Beneficiary:", "* Face Value:", "* Cash Value:", "* Pledged?", "To Whom:"},
         {{"Pledged", NoYes}},
         {{"Insured", "Please enter Insured."}, {"Company", "Please enter Company."},
          {"Beneficiary", "Please enter Beneficiary."}, {"FaceValue", "Please enter Face Value."},
          {"CashValue", "Please enter Cash Value."}, {"Pledged", "Please enter Pledged."}},
         {{"Insured", "Ann"}, {"Company", "Mutual Life"}, {"Beneficiary", "Bob"}, {"FaceValue", "250000"},
          {"CashValue", "12000"}, {"Pledged", "No"}},
         "LifeCash", 12000},
        {"lblPersonal", "TfrmPersonal", "Assets - Personal", {"Description", "Registered Name", "Value"},
         {"* Description:", "* Registered in the Name of:", "* Value:"}, {},
         {{"Description", "Please enter a Description."}, {"Registered", "Please enter Registed Name."},
          {"Value", "Please enter Value."}},
         {{"Description", "Furniture"}, {"Registered", "Ann"}, {"Value", "15000"}},
         "PersonalAssets", 15000},
        {"lblBusiness", "TfrmBusiness", "Assets - Business", {"Description", "Registered Name", "Value"},
         {"* Description:", "* Registered in the Name of:", "* Value:"}, {},
         {{"Description", "Please enter a Description."}, {"Registered", "Please enter Registed Name."},
          {"Value", "Please enter Value."}},
         {{"Description", "Bakery share"}, {"Registered", "Ann"}, {"Value", "60000"}},
         "BusinessAssets", 60000},
        {"lblOther", "TfrmOther", "Assets - Other", {"Description", "Registered Name", "Value"},
         {"* Asset Type:", "* Description:", "* Registered in the  Name of:", "* Value:"},
         {{"Type", {"Restricted or Margin Account", "Accounts and Notes Receivable", "All Other Assets"}}},
         {{"Type", "Please enter Asset Type."}, {"Description", "Please enter a Description."},
          {"Registered", "Please enter Registered Name."}, {"Value", "Please enter Value."}},
         {{"Type", "All Other Assets"}, {"Description", "Stamps"}, {"Registered", "Ann"}, {"Value", "700"}},
         "OtherAssetsTotal", 700},
        {"lblBank_Liability", "TfrmBank_Liabilities", "Liabilities - Bank", {"Description", "Bank", "Amount"},
         {"* Description:", "* Bank:", "* Amount:", "Registered in Name of:"}, {},
         {{"Description", "Please enter a Description."}, {"Bank", "Please enter Bank."}, {"Amount", "Please enter Amount."}},
         {{"Description", "Note"}, {"Bank", "First Bank"}, {"Amount", "5000"}},
         "BankLiability", 5000},
        {"lblMortgages_Liability", "TfrmRealEstate_Liabilities", "Liabilities - Real Estate",
         {"Description", "Property Type", "Market Value", "Asset Liability"}, RealEstateLabels,
         {{"Type", RealEstateTypes}}, RealEstateRequired, RealEstateRow, "MortgageLiabilitiesTotals", 40000},
        {"lblCreditCard_Liability", "TfrmCreditCard_Liabilities", "Liabilities - Credit Cards",
         {"Card Name", "Credit Limit", "Balance"},
         {"* Card Name:", "* Card Balance:", "Credit Limit:", "Member Since (Year):"}, {},
         {{"Description", "Please enter Card Name."}, {"CurrentBalance", "Please enter Card Balance."}},
         {{"Description", "Visa"}, {"CurrentBalance", "980.25"}},
         "CreditCardLiability", 980.25},
        {"lblAuto_Liability", "TfrmAutos_Liabilities", "Liabilities - Autos",
         {"Auto Description", "Registered Name", "Loan Balance"},
         {"* Description:", "* Loan Balance:", "Registered in Name of:", "Lien Holder:"}, {},
         {{"Description", "Please enter a Description."}, {"LoanBalance", "Please enter Loan Balance."}},
         {{"Description", "Volvo loan"}, {"LoanBalance", "3100"}},
         "AutoLiability", 3100},
        {"lblTaxes_Liability", "TfrmTax_Liabilities", "Liabilities - Taxes", {"Type of Tax", "Explanation", "Amount"},
         {"* Type of Tax:", "* Explanation:", "* Amount:"}, {},
         {{"Description", "Please enter Type of Tax."}, {"Explanation", "Please enter Explanation."},
          {"Amount", "Please enter Amount."}},
         {{"Description", "Property"}, {"Explanation", "Second half"}, {"Amount", "1800"}},
         "TaxLiability", 1800},
        {"lblOther_Liability", "TfrmOther_Liabilities", "Liabilities - Other",
         {"Description", "Monthly Payment", "Amount Owed"},
         {"* Description:", "* Monthly Payment:", "* Amount Owed:"}, {},
         {{"Description", "Please enter Description."}, {"MonthlyPayment", "Please enter Monthly Payment."},
          {"Amount", "Please enter Amount Owed."}},
         {{"Description", "Family loan"}, {"MonthlyPayment", "0"}, {"Amount", "2500"}},
         "OtherLiability", 2500},
        {"lblContingent_Liability", "TfrmContingent_Liabilities", "Liabilities - Contingent", {"Type", "To Whom", "Amount"},
         {"* Type:", "* To Whom:", "* Amount:", "Monthly Payment:", "Maturity Date:", "Explanation:"},
         {{"Description", {"Endorser or Co-Maker", "Guarantor", "Involvement in Pending Legal Action",
                           "Leases or Contracts", "Special Debts (Ex: Alimony, Child Support, Etc.)", "Other"}}},
         {{"Description", "Please enter Type."}, {"ToWhom", "Please enter To Whom."}, {"Amount", "Please enter Amount."}},
         {{"Description", "Guarantor"}, {"ToWhom", "First Bank"}, {"Amount", "9000"}},
         "ContingentLiability", 9000},
        {"lblIncome", "TfrmIncome", "Income", {"Description", "Type", "Amount"},
         {"* Description:", "* Type:", "* Amount:"},
         {{"Type", {"Bonuses and Commissions", "Dividends and Interest Income", "Net Real Estate Income",
                    "Oil and Gas Income / Royalties", "Salaries and Wages (Individual)", "Salaries and Wages (Spouse)",
                    "All Other Income"}}},
         {{"Description", "Please enter a Description."}, {"Type", "Please enter Type."}, {"Amount", "Please enter Amount."}},
         {{"Description", "Salary"}, {"Type", "Salaries and Wages (Individual)"}, {"Amount", "100"}},
         "IncomeTotal", 100},
        {"lblExpenses", "TfrmExpenses", "Expenses", {"Description", "Type", "Amount"},
         {"* Description:", "* Type:", "* Amount:"},
         {{"Type", {"Alimony, Child Support, etc.", "Auto, Life and Health Insurance Premium",
                    "Installment Payment (Auto, Credit Card, etc.)", "Lease Obligation", "Mortgage Payment",
                    "Other Debt Service", "Rental Payment", "All Other Obligations"}}},
         {{"Description", "Please enter a Description."}, {"Type", "Please enter Type."}, {"Amount", "Please enter Amount."}},
         {{"Description", "Rent"}, {"Type", "Rental Payment"}, {"Amount", "1200"}},
         "ExpenseTotal", 1200},
    };
    return all;
}

class EveryListWindow : public ListWindowTest, public ::testing::WithParamInterface<size_t>
{
protected:
    const Oracle &oracle() const { return oracles()[GetParam()]; }
    Table &table() const { return main->dm1().*(findListMember(oracle().className)->table); }
    qint64 rows() { return count(QString("SELECT COUNT(*) FROM \"%1\"").arg(table().TableName())); }

    QStringList fieldLabels() const
    {
        QStringList labels;
        for (QLabel *label : window()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            if (label->buddy())
                labels << label->text();
        return labels;
    }
    void typeCompleteRow(const QString &except = {})
    {
        for (const auto &[field, value] : oracle().complete)
            if (field != except)
                typeInto(field, value);
    }
};

TEST_P(EveryListWindow, ShowsItsCaptionLabelsColumnsAndListsAsWritten)
{
    const Oracle &o = oracle();
    SectionListEditor *w = openFromLink(o.link);
    ASSERT_TRUE(w);
    EXPECT_EQ(shownClass(), o.className);
    EXPECT_EQ(w->windowTitle(), o.caption);
    EXPECT_EQ(w->size(), QSize(553, 447));
    EXPECT_EQ(fieldLabels(), o.labels);
    auto *grid = w->findChild<DBGrid *>("DBGrid1");
    ASSERT_TRUE(grid);
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(titles, o.titles);
    for (const auto &[field, entries] : o.lists) {
        auto *list = qobject_cast<QComboBox *>(w->controlOf(field));
        ASSERT_TRUE(list) << field.toStdString();
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, entries) << field.toStdString();
    }
    // The first field is the list dbCombo1 or the edit db1.
    const QString firstName = w->firstField()->objectName();
    EXPECT_TRUE(firstName == "db1" || firstName == "dbCombo1") << firstName.toStdString();
    for (const char *b : {"btnAdd", "btnDelete", "btnCancel", "btnClose", "btnPrevious", "btnNext", "btnOK"})
        EXPECT_TRUE(w->findChild<QPushButton *>(b)) << b;
    EXPECT_EQ(w->findChild<QLabel *>("lblFullName2")->text(), "Ann Q. Avery");
    EXPECT_EQ(totalLabel(), "Total: $.00");
    clickButton("btnClose");
}

TEST_P(EveryListWindow, ReportsTheFirstMissingFieldInCheckOrder)
{
    const Oracle &o = oracle();
    ASSERT_TRUE(openFromLink(o.link));
    for (const auto &[missing, message] : o.required) {
        SCOPED_TRACE(missing.toStdString());
        clickButton("btnAdd");
        typeCompleteRow(missing);
        messages->clear();
        clickButton("btnOK");
        EXPECT_EQ(messages->texts(), QStringList{message});
        EXPECT_EQ(messages->shown().front().kind, Messages::Kind::Error);
        EXPECT_EQ(QApplication::focusWidget(), window()->controlOf(missing));
        EXPECT_EQ(rows(), 0);
        clickButton("btnCancel");
    }
    // Only the second required field typed: the first one's message, the window stays.
    clickButton("btnAdd");
    typeInto(o.required[1].first, o.complete[1].second);
    messages->clear();
    clickButton("btnNext");
    EXPECT_EQ(messages->texts(), QStringList{o.required[0].second});
    EXPECT_EQ(shownClass(), o.className);
    EXPECT_EQ(QApplication::focusWidget(), window()->controlOf(o.required[0].first));
    clickButton("btnCancel");
    clickButton("btnClose");
}

TEST_P(EveryListWindow, AStoredRowSetsTheTotalsAndTheLabel)
{
    const Oracle &o = oracle();
    ASSERT_TRUE(openFromLink(o.link));
    clickButton("btnAdd");
    typeCompleteRow();
    clickButton("btnOK");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    EXPECT_EQ(count(QString("SELECT COUNT(*) FROM \"%1\" WHERE ClientId = '1'").arg(table().TableName())), 1);
    EXPECT_DOUBLE_EQ(storedTotal(o.totalField), o.total);
    EXPECT_EQ(totalLabel(), "Total: " + FormatMoney(o.total));
    // The window stays, with the focus on its first field.
    EXPECT_EQ(shownClass(), o.className);
    EXPECT_EQ(QApplication::focusWidget(), window()->firstField());

    // OK on the stored row, unchanged: nothing stored again, no message.
    clickButton("btnOK");
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(messages->texts().isEmpty());

    // Delete: No keeps it, Yes removes it and the label follows at once.
    messages->answer(Messages::Answer::No);
    clickButton("btnDelete");
    EXPECT_EQ(messages->last(), "Do you want to delete this record?");
    EXPECT_EQ(rows(), 1);
    messages->answer(Messages::Answer::Yes);
    clickButton("btnDelete");
    EXPECT_EQ(rows(), 0);
    EXPECT_DOUBLE_EQ(storedTotal(o.totalField), 0);
    EXPECT_EQ(totalLabel(), "Total: $.00");
    clickButton("btnClose");
}

TEST_P(EveryListWindow, EmptyNextPreviousAndClosePassThroughStoringNothing)
{
    const Oracle &o = oracle();
    const CatalogueEntry *entry = findWindow(o.className);
    ASSERT_TRUE(entry);
    const QString before = text("SELECT group_concat(IFNULL(CashOnHand, '-')) FROM FSPro");
    for (const char *button : {"btnNext", "btnPrevious", "btnClose"}) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(openFromLink(o.link));
        clickButton("btnAdd"); // a blank new row is dropped on the way out
        clickButton(button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QString(button) == "btnClose") {
            EXPECT_TRUE(main->isVisible());
            EXPECT_EQ(currentPage(), "tsFinancialStatement");
        } else {
            const QString target = QString(button) == "btnNext" ? nextWindow(*entry, false) : previousWindow(*entry, false);
            EXPECT_EQ(shownClass(), target);
            EXPECT_FALSE(main->isVisible());
            main->shownWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }, 1000));
        }
    }
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    EXPECT_EQ(rows(), 0);
}

TEST_P(EveryListWindow, CancelDropsANewRowAndTheLabelShowsTheTotalRecomputed)
{
    const Oracle &o = oracle();
    ASSERT_TRUE(openFromLink(o.link));
    clickButton("btnAdd");
    typeCompleteRow();
    clickButton("btnCancel");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(table().state(), Table::State::Browse);
    EXPECT_EQ(totalLabel(), "Total: $.00");
    EXPECT_EQ(QApplication::focusWidget(), window()->firstField());
    clickButton("btnClose");
}

// Which grid columns are amounts is read from the file's schema (REAL columns), not from the
// window's own table.
TEST_P(EveryListWindow, ItsGridShowsEveryAmountAsMoneyAndEveryTextAsStored)
{
    const ListMember &member = *findListMember(oracle().className);
    const QString tableName = table().TableName();
    QStringList fields{"ClientId"}, values{"'1'"}, expected;
    std::vector<bool> amounts;
    for (const ListMember::Column &column : member.columns) {
        const bool amount = text(QString("SELECT type FROM pragma_table_info('%1') WHERE name = '%2'")
                                     .arg(tableName, column.field)) == "REAL";
        fields << QString("\"%1\"").arg(column.field);
        // The first amount plain, the next negative with half a cent to round away from zero.
        const bool first = std::count(amounts.begin(), amounts.end(), true) == 0;
        values << (amount ? (first ? "12450.75" : "-1234567.505") : QString("'%1 text'").arg(column.field));
        expected << (amount ? (first ? "12,450.75" : "-1,234,567.51") : QString("%1 text").arg(column.field));
        amounts.push_back(amount);
    }
    ASSERT_TRUE(std::count(amounts.begin(), amounts.end(), true) > 0);
    exec(QString("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(tableName, fields.join(", "), values.join(", ")));

    SectionListEditor *w = openFromLink(oracle().link);
    ASSERT_TRUE(w);
    auto *grid = w->findChild<DBGrid *>("DBGrid1");
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->model()->rowCount(), 1);
    QStringList shown;
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        const QModelIndex cell = grid->model()->index(0, c);
        shown << cell.data(Qt::DisplayRole).toString();
        const auto alignment = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(bool(alignment & Qt::AlignRight), amounts[size_t(c)]) << c;
    }
    EXPECT_EQ(shown, expected);
    clickButton("btnClose");
}

INSTANTIATE_TEST_SUITE_P(Members, EveryListWindow, ::testing::Range(size_t(0), size_t(17)),
                         [](const ::testing::TestParamInfo<size_t> &info) {
                             return std::string(oracles()[info.param].className);
                         });

// Every window the layers below the windows name (a finding's fix, a legal question's
// window) opens one window of the catalogue, each a window of its own.
TEST(WindowCatalogueTest, EveryWindowNamedBelowTheWindowsIsOneEntryOfItsOwn)
{
    std::set<std::string> classes;
    for (int w = int(StatementWindow::None) + 1; w <= int(StatementWindow::StatementDate); ++w) {
        const CatalogueEntry *entry = findWindow(StatementWindow(w));
        ASSERT_NE(entry, nullptr) << w;
        EXPECT_TRUE(classes.insert(entry->className).second) << entry->className;
    }
    EXPECT_EQ(findWindow(StatementWindow::None), nullptr);
}

} // namespace
