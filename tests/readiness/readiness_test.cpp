// What a lender would send back: each finding on a statement that has just that fault,
// and none on a complete statement.
#include <functional>

#include <gtest/gtest.h>

#include "data/engine/table.h"
#include "base/dates.h"
#include "readiness/readiness.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

const QDate Today(2027, 6, 30);
using Fix = ReadinessFinding::Fix;
using W = StatementWindow;

class ReadinessTest : public TotalsTest
{
protected:
    // A joint statement dated today with every particular, consistent rows and totals.
    QString addCompleteStatement()
    {
        const QString id = addStatement("Ann", "Avery");
        db.exec(QString("UPDATE Client SET JointStatement = 'Yes', SSN = '123-45-6789', Birthday = '01/02/1970', "
                        "Address = '1 Main St', City = 'Springfield', State = 'IL', Zip = '62701', SFirstName = 'Bob', "
                        "SLastName = 'Avery', SSSN = '987-65-4321', SBirthday = '03/04/1971', SAddress = '1 Main St', "
                        "SCity = 'Springfield', SState = 'IL', SZip = '62701' WHERE Id = %1; "
                        "UPDATE FSPro SET Date = '06/01/2027' WHERE ClientId = '%1'")
                    .arg(id));
        reopen();
        addRow(dm->tblCash, id, {{"Balance", 5000.0}});
        addRow(dm->tblRealEstate, id, {{"Description", "Home"}, {"PercentOwned", 100.0}, {"MarketValue", 300000.0},
                                       {"LienHolder", "First Bank"}, {"CurrentBalance", 150000.0},
                                       {"PercentLiability", 100.0}});
        addRow(dm->tblAuto, id, {{"Model", "Civic"}, {"Year", "2024"}, {"Description", "2024 Civic"},
                                 {"CurrentValue", 20000.0}, {"MonthlyPayment", 350.0}});
        addRow(dm->tblAuto2, id, {{"Description", "Civic loan"}, {"LoanBalance", 12000.0}});
        addRow(dm->tblIncomes, id, {{"Type", "Net Real Estate Income"}, {"Amount", -2000.0}});
        addRow(dm->tblLegal, id, {{"Will", "Yes"}, {"WillExplanation", "Carol Avery"}, {"Divorce", "No"}});
        select(id);
        RecalcAllTotals(*dm);
        select(id);
        return id;
    }

    std::vector<ReadinessFinding> check() { return CheckReadiness(*dm, Today); }

    // The statement after a change made behind the program's back.
    std::vector<ReadinessFinding> checkAfter(const QString &id, const QString &sql)
    {
        db.exec(sql.arg(id));
        reopen();
        select(id);
        return check();
    }
    // A complete statement in an otherwise empty file after such a change.
    std::vector<ReadinessFinding> checkFreshStatementAfter(const QString &sql)
    {
        QString clear = "DELETE FROM Client;";
        for (const QString &table : statementTableNames())
            clear += QString(" DELETE FROM \"%1\";").arg(table);
        db.exec(clear);
        reopen();
        return checkAfter(addCompleteStatement(), sql);
    }
};

TEST_F(ReadinessTest, ACompleteStatementHasNoFinding)
{
    addCompleteStatement();
    const auto findings = check();
    for (const ReadinessFinding &f : findings)
        ADD_FAILURE() << f.text.toStdString();
    EXPECT_TRUE(findings.empty());
}

TEST_F(ReadinessTest, EachFaultIsFoundWithItsTextAndTheWindowThatFixesIt)
{
    struct Case
    {
        const char *name;
        const char *sql;
        const char *text;
        Fix fix;
        StatementWindow window;
    };
    const std::vector<Case> cases = {
        {"old date", "UPDATE FSPro SET Date = '03/31/2027' WHERE ClientId = '%1'",
         "The statement is dated 03/31/2027, 91 days ago; lenders want one dated within the last 90 days. Copy it "
         "as of today on the Overview.",
         Fix::Overview, W::None},
        {"no date", "UPDATE FSPro SET Date = '' WHERE ClientId = '%1'",
         "The statement has no date. Copy it as of today on the Overview.", Fix::Overview, W::None},
        {"holder's SSN", "UPDATE Client SET SSN = ' ' WHERE Id = %1",
         "The holder's social security number is missing.", Fix::OpenWindow, W::PersonalInformation},
        {"holder's birth date", "UPDATE Client SET Birthday = '' WHERE Id = %1", "The holder's birth date is missing.",
         Fix::OpenWindow, W::PersonalInformation},
        {"holder's address", "UPDATE Client SET Zip = '' WHERE Id = %1",
         "The holder's address is missing or incomplete (street, city, state and zip code).", Fix::OpenWindow,
         W::PersonalInformation},
        {"spouse's SSN", "UPDATE Client SET SSSN = '' WHERE Id = %1",
         "The spouse's social security number is missing.", Fix::OpenWindow, W::SpouseInformation},
        {"spouse's birth date", "UPDATE Client SET SBirthday = '' WHERE Id = %1",
         "The spouse's birth date is missing.", Fix::OpenWindow, W::SpouseInformation},
        {"spouse's address", "UPDATE Client SET SAddress = '' WHERE Id = %1",
         "The spouse's address is missing or incomplete (street, city, state and zip code).", Fix::OpenWindow,
         W::SpouseInformation},
        {"legal answer", "UPDATE Legal SET Defendant = 'Yes' WHERE ClientId = '%1'",
         "The legal question \"Are you a defendant in any suit or legal action?\" is answered \"Yes\", but "
         "\"Explain:\" is left empty.",
         Fix::OpenWindow, W::FirstLegal},
        {"will without executor", "UPDATE Legal SET WillExplanation = '' WHERE ClientId = '%1'",
         "The legal question \"Do you have a will?\" is answered \"Yes\", but \"Executor:\" is left empty.",
         Fix::OpenWindow, W::FirstLegal},
        {"legal answer, second window", "UPDATE Legal SET DebtAssets = 'Yes', DebtAssetsExplanation = '  ' "
                                        "WHERE ClientId = '%1'",
         "The legal question \"Do any assets secure debts which have not been reported in the statement?\" is "
         "answered \"Yes\", but \"Explain:\" is left empty.",
         Fix::OpenWindow, W::SecondLegal},
        {"mortgage without lender", "UPDATE RealEstate SET LienHolder = '' WHERE ClientId = '%1'",
         "The property \"Home\" has a mortgage balance but no lender in the mortgages schedule.", Fix::OpenWindow,
         W::Mortgages},
        {"mortgage without share", "UPDATE RealEstate SET PercentLiability = NULL, TCurrentLiability = 0 "
                                   "WHERE ClientId = '%1'; UPDATE FSPro SET MortgageLiabilitiesTotals = 0, "
                                   "TotalLiabilities = 12000, NetWorth = 313000 WHERE ClientId = '%1'",
         "The property \"Home\" has a mortgage balance but no share owed in the mortgages schedule.", Fix::OpenWindow,
         W::Mortgages},
        {"negative amount", "INSERT INTO PersonalAssets (ClientId, Value) VALUES ('%1', -5), ('%1', -6), ('%1', 11)",
         "2 rows with a negative amount where only positive ones make sense: a personal asset's value.",
         Fix::OpenWindow, W::PersonalAssets},
        {"totals differ", "UPDATE Cash SET Balance = 5000.01 WHERE ClientId = '%1'",
         "Cash (A): the stored total differs from the sum of its rows.", Fix::Recompute, W::None},
        {"a property's share differs", "UPDATE RealEstate SET PercentOwned = 50 WHERE ClientId = '%1'",
         "The property \"Home\": its owned value differs from its row.", Fix::Recompute, W::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto findings = checkFreshStatementAfter(c.sql);
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings.back().text.toStdString());
        EXPECT_EQ(findings[0].text.toStdString(), c.text);
        EXPECT_EQ(findings[0].fix, c.fix);
        EXPECT_EQ(findings[0].window, c.window);
    }
}

TEST_F(ReadinessTest, AStaleFigureIsFoundOnceAgainstItsOwnRowsAndGoesAfterRecomputing)
{
    struct Case
    {
        const char *sql;
        const char *field;
        double stored;
        double summed;
    };
    // Cash 5,000, the home 300,000 owned, the auto 20,000; owed 150,000 and 12,000.
    const std::vector<Case> cases = {
        {"UPDATE FSPro SET CashOnHand = 9999 WHERE ClientId = '%1'", "CashOnHand", 9999, 5000},
        {"UPDATE Cash SET Balance = 6000 WHERE ClientId = '%1'", "CashOnHand", 5000, 6000},
        {"UPDATE FSPro SET TotalAssets = 1 WHERE ClientId = '%1'", "TotalAssets", 1, 325000},
        {"UPDATE FSPro SET NetWorth = 1 WHERE ClientId = '%1'", "NetWorth", 1, 163000},
        {"UPDATE Incomes SET Amount = -3000 WHERE ClientId = '%1'", "RealEstateIncome", -2000, -3000},
        {"UPDATE RealEstate SET PercentLiability = 50 WHERE ClientId = '%1'", "TCurrentLiability", 150000, 75000},
        {"UPDATE RealEstate SET TCurrentLiability = 1 WHERE ClientId = '%1'", "TCurrentLiability", 1, 150000},
        {"UPDATE FSPro SET MortgageLiabilitiesTotals = 1 WHERE ClientId = '%1'", "MortgageLiabilitiesTotals", 1,
         150000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        const auto findings = checkFreshStatementAfter(c.sql);
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings.back().text.toStdString());
        EXPECT_EQ(findings[0].fix, Fix::Recompute);
        EXPECT_EQ(findings[0].field, c.field);
        EXPECT_DOUBLE_EQ(findings[0].stored, c.stored);
        EXPECT_DOUBLE_EQ(findings[0].summed, c.summed);
        RecalcAllTotals(*dm);
        EXPECT_TRUE(check().empty());
    }
}

// The recomputation writes each property's shares; the check must form them by the same rule
// whatever a percentage holds, or a freshly recomputed statement is reported stale.
TEST_F(ReadinessTest, ARecomputedPropertyAgreesWithTheCheckWhateverItsPercentagesHold)
{
    const QString id = addCompleteStatement();
    for (const char *percent : {"NULL", "''", "'  '", "'half'", "' 50 '", "37.5", "250", "-20"}) {
        SCOPED_TRACE(percent);
        db.exec(QString("UPDATE RealEstate SET PercentOwned = %2, PercentLiability = %2 WHERE ClientId = '%1'")
                    .arg(id, percent));
        reopen();
        select(id);
        RecalcAllTotals(*dm);
        select(id);
        for (const ReadinessFinding &f : check())
            if (f.fix == Fix::Recompute)
                ADD_FAILURE() << f.text.toStdString() << " stored " << f.stored << ", formed " << f.summed;
    }
}

TEST_F(ReadinessTest, AutosPaidMonthlyAreCountedAgainstTheLoansWhateverTheirDescriptions)
{
    const QString id = addCompleteStatement();
    // The loan of the Civic is described as the lender sees it: no finding.
    EXPECT_TRUE(checkAfter(id, "UPDATE Autos2 SET Description = 'First Bank car loan' WHERE ClientId = '%1'").empty());
    const auto texts = [this] {
        QStringList found;
        for (const ReadinessFinding &f : check())
            found << f.text + (f.window == W::AutoLoans ? " (auto loans)" : "");
        return found;
    };
    execBehindEngine(QString("DELETE FROM Autos2 WHERE ClientId = '%1'").arg(id));
    select(id);
    RecalcAutoLoanTotals(*dm);
    EXPECT_EQ(texts(), QStringList{"The auto \"2024 Civic\" has a monthly payment, but no auto loan is entered. "
                                   "(auto loans)"});
    // Adding the loan, under any description, clears it.
    addRow(dm->tblAuto2, id, {{"Description", "Car loan"}, {"LoanBalance", 9000.0}});
    RecalcAutoLoanTotals(*dm);
    EXPECT_TRUE(texts().isEmpty());

    // A second and a third auto paid monthly, and one paid for.
    addRow(dm->tblAuto, id, {{"Description", "2021 Golf"}, {"CurrentValue", 9000.0}, {"MonthlyPayment", 200.0}});
    addRow(dm->tblAuto, id, {{"Description", "2022 Polo"}, {"CurrentValue", 8000.0}, {"MonthlyPayment", 150.0}});
    addRow(dm->tblAuto, id, {{"Description", "1990 Beetle"}, {"CurrentValue", 3000.0}});
    RecalcAutoTotals(*dm);
    EXPECT_EQ(texts(), QStringList{"3 autos have a monthly payment, but only 1 auto loan is entered. (auto loans)"});
    addRow(dm->tblAuto2, id, {{"Description", "Golf"}, {"LoanBalance", 5000.0}});
    RecalcAutoLoanTotals(*dm);
    EXPECT_EQ(texts(), QStringList{"3 autos have a monthly payment, but only 2 auto loans are entered. (auto loans)"});
    addRow(dm->tblAuto2, id, {{"Description", "Polo"}, {"LoanBalance", 4000.0}});
    RecalcAutoLoanTotals(*dm);
    EXPECT_TRUE(texts().isEmpty());
}

TEST_F(ReadinessTest, AnAddressLackingAnyOfItsPartsIsIncomplete)
{
    for (const char *side : {"", "S"}) {
        for (const char *part : {"Address", "City", "State", "Zip"}) {
            const QString field = QString(side) + part;
            SCOPED_TRACE(field.toStdString());
            const auto findings = checkFreshStatementAfter("UPDATE Client SET " + field + " = ' ' WHERE Id = %1");
            ASSERT_EQ(findings.size(), 1u);
            EXPECT_EQ(findings[0].text, QString(*side ? "The spouse's" : "The holder's")
                                            + " address is missing or incomplete (street, city, state and zip code).");
            EXPECT_EQ(findings[0].window, *side ? W::SpouseInformation : W::PersonalInformation);
        }
    }
}

// The spouse is asked for where the statement prints as joint: both spouse names filled in,
// whatever the joint flag says.
TEST_F(ReadinessTest, TheSpouseIsAskedForWhereTheStatementPrintsAsJoint)
{
    const QString id = addCompleteStatement();
    struct Case
    {
        const char *flag, *first, *last;
        bool asked;
    };
    for (const Case &c : {Case{"No", "Bob", "Avery", true}, Case{"Yes", "", "Avery", false},
                          Case{"Yes", "Bob", "", false}, Case{"No", "", "", false}}) {
        SCOPED_TRACE(std::string(c.flag) + " " + c.first + " " + c.last);
        const QString sql = QString("UPDATE Client SET JointStatement = '%1', SFirstName = '%2', SLastName = '%3', "
                                    "SSSN = '' WHERE Id = ")
                                .arg(QString(c.flag), QString(c.first), QString(c.last));
        const auto findings = checkAfter(id, sql + "%1");
        if (c.asked) {
            ASSERT_EQ(findings.size(), 1u);
            EXPECT_EQ(findings[0].text, "The spouse's social security number is missing.");
        } else {
            EXPECT_TRUE(findings.empty());
        }
    }
}

TEST_F(ReadinessTest, ADateThatIsNoDateIsFoundAndNinetyDaysOldIsRecentEnough)
{
    const QString id = addCompleteStatement();
    EXPECT_EQ(checkAfter(id, "UPDATE FSPro SET Date = '13/45/2027' WHERE ClientId = '%1'").at(0).text,
              "The statement's date \"13/45/2027\" is not a date. Copy it as of today on the Overview.");
    EXPECT_TRUE(checkAfter(id, "UPDATE FSPro SET Date = '04/01/2027' WHERE ClientId = '%1'").empty());
}

// What each lender's form asks beyond the statement, on a statement complete for the forms
// with just that fault: the findings of each form (none, or the texts listed), each with the
// window that fixes it.
TEST_F(ReadinessTest, EachFormFindsWhatItStillNeedsAndNothingElse)
{
    // The statement as above with everything the forms print.
    const QString complete =
        "UPDATE Client SET BusinessName = 'Avery Tools', BusinessType = 'LLC', ProgramLoans = 'Yes' WHERE Id = %1; "
        "UPDATE RealEstate SET YearAcquired = '2015', Address = '1 Main St', City = 'Springfield', State = 'IL', "
        "Zip = '62701', DatePurchased = '05/01/2015', OriginalCost = 210000, Occupancy = 'Owner Occupied', "
        "LienHolderAddress = 'PO Box 1', LienAccountNumber = 'M-1', MonthlyPayment = 1100, InterestRate = 4.5, "
        "LienStatus = 'Current' WHERE ClientId = '%1'; ";
    const QString lien = "INSERT INTO RealEstate (ClientId, Description, Type, YearAcquired, PercentOwned, "
                         "MarketValue, LienHolder, CurrentBalance, PercentLiability, LienOnProperty, "
                         "LienHolderAddress, LienAccountNumber, MonthlyPayment, InterestRate, LienStatus) VALUES "
                         "('%1', 'Home HELOC', '', '2015', 100, %2, 'Second Bank', 10000, 100, '%3', 'PO Box 2', "
                         "'H-2', 90, 8, 'Current'); ";
    using Texts = std::vector<const char *>;
    struct Case
    {
        const char *name;
        QString sql;
        Texts statement, sba, schedule;
        StatementWindow window;
    };
    const char *stale119 = "The statement is dated 03/03/2027, 119 days ago; lenders want one dated within the last 90 "
                           "days. Copy it as of today on the Overview.";
    const std::vector<Case> cases = {
        {"complete", "", {}, {}, {}, W::None},
        {"119 days old", "UPDATE FSPro SET Date = '03/03/2027' WHERE ClientId = '%1'", {stale119}, {}, {stale119},
         W::None},
        {"120 days old", "UPDATE FSPro SET Date = '03/02/2027' WHERE ClientId = '%1'",
         {"The statement is dated 03/02/2027, 120 days ago; lenders want one dated within the last 90 days. Copy it "
          "as of today on the Overview."},
         {},
         {"The statement is dated 03/02/2027, 120 days ago; lenders want one dated within the last 90 days. Copy it "
          "as of today on the Overview."},
         W::None},
        {"121 days old", "UPDATE FSPro SET Date = '03/01/2027' WHERE ClientId = '%1'",
         {"The statement is dated 03/01/2027, 121 days ago; lenders want one dated within the last 90 days. Copy it "
          "as of today on the Overview."},
         {"The statement is dated 03/01/2027, 121 days ago; lenders want one dated within the last 120 days. Copy "
          "it as of today on the Overview."},
         {"The statement is dated 03/01/2027, 121 days ago; lenders want one dated within the last 90 days. Copy it "
          "as of today on the Overview."},
         W::None},
        {"dated tomorrow", "UPDATE FSPro SET Date = '07/01/2027' WHERE ClientId = '%1'", {},
         {"The statement is dated 07/01/2027, after today; the form's figures must be as of a day that has passed."},
         {}, W::None},
        {"a finding of the statement", "UPDATE Client SET SSN = '' WHERE Id = %1",
         {"The holder's social security number is missing."}, {"The holder's social security number is missing."},
         {"The holder's social security number is missing."}, W::PersonalInformation},
        {"no business", "UPDATE Client SET BusinessName = ' ' WHERE Id = %1", {},
         {"The business applying for the loan is not named."}, {}, W::PersonalEmployment},
        {"no entity", "UPDATE Client SET BusinessType = '' WHERE Id = %1", {},
         {"The business's type of entity is not chosen."}, {}, W::PersonalEmployment},
        {"no program", "UPDATE Client SET ProgramLoans = 'No', Program8a = 'No' WHERE Id = %1", {},
         {"No program is chosen for the form (7(a), 504 or surety bond; 8(a); WOSB; disaster loan)."}, {},
         W::PersonalEmployment},
        {"another program", "UPDATE Client SET ProgramLoans = '', ProgramDisaster = 'Yes' WHERE Id = %1", {}, {}, {},
         W::None},
        {"a bare note", "INSERT INTO Bank (ClientId, Description, Bank) VALUES ('%1', 'Line of credit', 'First Bank')",
         {},
         {"The note \"Line of credit\" has no original balance.", "The note \"Line of credit\" has no payment amount.",
          "The note \"Line of credit\" has no payment frequency.", "The note \"Line of credit\" has no collateral.",
          "The note \"Line of credit\" has no noteholder's address."},
         {}, W::BankNotes},
        {"a complete note", "INSERT INTO Bank (ClientId, Description, OriginalBalance, PaymentAmount, "
                            "PaymentFrequency, Collateral, BankAddress) VALUES ('%1', 'Note', 5, 1, 'Monthly', "
                            "'Unsecured', '2 Main St')",
         {}, {}, {}, W::None},
        {"no quotation", "INSERT INTO Investments (ClientId, Description, InvestmentType) VALUES ('%1', 'Acme Corp', "
                         "'Stock')",
         {}, {"The security \"Acme Corp\" has no date of quotation."}, {}, W::Investments},
        {"a retirement account is no security",
         "INSERT INTO Investments (ClientId, Description, InvestmentType) VALUES ('%1', 'Plan', '401K')", {}, {}, {},
         W::None},
        {"quoted 122 days before", "INSERT INTO Investments (ClientId, Description, InvestmentType, QuotationDate) "
                                   "VALUES ('%1', 'Acme Corp', 'Bond', '01/30/2027')",
         {}, {"The security \"Acme Corp\" was quoted on 01/30/2027, more than 120 days before the statement's date."},
         {}, W::Investments},
        {"quoted 120 days before", "INSERT INTO Investments (ClientId, Description, InvestmentType, QuotationDate) "
                                   "VALUES ('%1', 'Acme Corp', 'Bond', '02/01/2027')",
         {}, {}, {}, W::None},
        {"quoted after", "INSERT INTO Investments (ClientId, Description, InvestmentType, QuotationDate) "
                         "VALUES ('%1', 'Acme Corp', 'Stock', '06/02/2027')",
         {}, {"The security \"Acme Corp\" was quoted after the statement's date."}, {}, W::Investments},
        {"no zip", "UPDATE RealEstate SET Zip = '' WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", has no address."}, {"Property 1, \"Home\", has no address."}, W::RealEstate},
        {"no occupancy", "UPDATE RealEstate SET Occupancy = '' WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", has no occupancy."}, {"Property 1, \"Home\", has no occupancy."}, W::RealEstate},
        {"no purchase date", "UPDATE RealEstate SET DatePurchased = '' WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", has no purchase date."}, {"Property 1, \"Home\", has no purchase date."},
         W::RealEstate},
        {"no original cost", "UPDATE RealEstate SET OriginalCost = NULL WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", has no original cost."}, {"Property 1, \"Home\", has no original cost."},
         W::RealEstate},
        {"bought in another year", "UPDATE RealEstate SET DatePurchased = '05/01/2016' WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", was purchased on 05/01/2016, not in its year acquired, 2015."}, {}, W::RealEstate},
        {"rented without rent", "UPDATE RealEstate SET Occupancy = 'Partly Tenant Occupied' WHERE ClientId = '%1'", {},
         {"Property 1, \"Home\", is rented but has no monthly rent."},
         {"Property 1, \"Home\", is rented but has no monthly rent."}, W::RealEstate},
        {"rent without tenants", "UPDATE RealEstate SET MonthlyRent = 900, Occupancy = 'Second Home' "
                                 "WHERE ClientId = '%1'",
         {}, {"Property 1, \"Home\", has a monthly rent but is not rented."},
         {"Property 1, \"Home\", has a monthly rent but is not rented."}, W::RealEstate},
        {"vacant without rent", "UPDATE RealEstate SET Occupancy = 'Vacant' WHERE ClientId = '%1'", {}, {}, {},
         W::None},
        {"free and clear without taxes", "UPDATE RealEstate SET LienHolder = '', CurrentBalance = NULL "
                                         "WHERE ClientId = '%1'",
         {},
         {"Property 1, \"Home\", has no mortgage to pay its taxes and insurance, and no monthly taxes or insurance."},
         {"Property 1, \"Home\", has no mortgage to pay its taxes and insurance, and no monthly taxes or insurance."},
         W::RealEstate},
        {"free and clear with insurance", "UPDATE RealEstate SET LienHolder = '', CurrentBalance = NULL, "
                                          "MonthlyInsurance = 80 WHERE ClientId = '%1'",
         {}, {}, {}, W::None},
        {"no account number", "UPDATE RealEstate SET LienAccountNumber = '' WHERE ClientId = '%1'", {},
         {"The mortgage of Property 1, \"Home\", has no account number."},
         {"The mortgage of Property 1, \"Home\", has no account number."}, W::Mortgages},
        {"no payment", "UPDATE RealEstate SET MonthlyPayment = NULL WHERE ClientId = '%1'", {},
         {"The mortgage of Property 1, \"Home\", has no monthly payment."},
         {"The mortgage of Property 1, \"Home\", has no monthly payment."}, W::Mortgages},
        {"no rate", "UPDATE RealEstate SET InterestRate = NULL WHERE ClientId = '%1'", {},
         {"The mortgage of Property 1, \"Home\", has no interest rate."},
         {"The mortgage of Property 1, \"Home\", has no interest rate."}, W::Mortgages},
        {"no status", "UPDATE RealEstate SET LienStatus = '' WHERE ClientId = '%1'", {},
         {"The mortgage of Property 1, \"Home\", has no status."},
         {"The mortgage of Property 1, \"Home\", has no status."}, W::Mortgages},
        {"no holder's address", "UPDATE RealEstate SET LienHolderAddress = '' WHERE ClientId = '%1'", {},
         {"The mortgage of Property 1, \"Home\", has no holder's address."}, {}, W::Mortgages},
        {"a sound further lien", lien.arg("%1", "0", "Home"), {}, {}, {}, W::None},
        {"a lien on no property", lien.arg("%1", "0", "Hom"),
         {},
         {"The lien \"Home HELOC\" is on \"Hom\", which is not a property of this statement."},
         {"The lien \"Home HELOC\" is on \"Hom\", which is not a property of this statement."}, W::Mortgages},
        {"a lien valued", lien.arg("%1", "5000", "Home"),
         {},
         {"The lien \"Home HELOC\" has a market value; a lien's property is valued on the property's own row."},
         {"The lien \"Home HELOC\" has a market value; a lien's property is valued on the property's own row."},
         W::RealEstate},
        {"a lien without an account", lien.arg("%1", "0", "Home") + "UPDATE RealEstate SET LienAccountNumber = '' "
                                                                     "WHERE Description = 'Home HELOC'",
         {}, {"The lien \"Home HELOC\" has no account number."}, {"The lien \"Home HELOC\" has no account number."},
         W::Mortgages},
        {"two homes and a lien on the name",
         lien.arg("%1", "0", "Home") + "INSERT INTO RealEstate (ClientId, Description, Type, YearAcquired, "
                                       "PercentOwned, MarketValue, Address, City, State, Zip, DatePurchased, "
                                       "OriginalCost, Occupancy, MonthlyTaxes) SELECT ClientId, Description, Type, "
                                       "YearAcquired, PercentOwned, 1000, Address, City, State, Zip, DatePurchased, "
                                       "OriginalCost, Occupancy, 50 FROM RealEstate WHERE Description = 'Home'",
         {}, {"Two properties are named \"Home\"; a lien on that name cannot tell them apart."},
         {"Two properties are named \"Home\"; a lien on that name cannot tell them apart."}, W::RealEstate},
        {"a bare tax", "INSERT INTO Taxes (ClientId, Description, Explanation) VALUES ('%1', 'Property tax', 'x')", {},
         {"The tax \"Property tax\" has no payee.", "The tax \"Property tax\" has no due date."}, {}, W::Taxes},
        {"a judgement not listed", "UPDATE Legal SET Judgement = 'Yes', JudgementExplanation = 'x' "
                                   "WHERE ClientId = '%1'",
         {},
         {"The legal question \"Judgement\" is answered \"Yes\" but no contingent liability is listed under Legal "
          "Claims & Judgments."},
         {}, W::Contingent},
        {"a judgement listed by its type",
         "UPDATE Legal SET Judgement = 'Yes', JudgementExplanation = 'x' WHERE ClientId = '%1'; "
         "INSERT INTO Contingent (ClientId, Description, ToWhom) VALUES ('%1', 'Involvement in Pending Legal Action', "
         "'Court')",
         {}, {}, {}, W::None},
        {"a suit listed under another kind",
         "UPDATE Legal SET Defendant = 'Yes', DefendantExplanation = 'x' WHERE ClientId = '%1'; "
         "INSERT INTO Contingent (ClientId, Description, ToWhom, Category) VALUES ('%1', 'Involvement in Pending "
         "Legal Action', 'Court', 'Other Special Debt')",
         {},
         {"The legal question \"Defendant\" is answered \"Yes\" but no contingent liability is listed under Legal "
          "Claims & Judgments."},
         {}, W::Contingent},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString clear = "DELETE FROM Client;";
        for (const QString &table : statementTableNames())
            clear += QString(" DELETE FROM \"%1\";").arg(table);
        db.exec(clear);
        reopen();
        const QString id = addCompleteStatement();
        db.exec((complete + c.sql).arg(id));
        reopen();
        select(id);
        // The rows changed behind the program's back are added up again, so no total is stale.
        RecalcAllTotals(*dm);
        select(id);
        const std::pair<ReadinessForm, const Texts *> forms[] = {
            {ReadinessForm::Statement, &c.statement}, {ReadinessForm::Sba413, &c.sba},
            {ReadinessForm::RealEstateSchedule, &c.schedule}};
        for (const auto &[form, texts] : forms) {
            SCOPED_TRACE(int(form));
            QStringList found, expected;
            for (const ReadinessFinding &f : CheckReadiness(*dm, Today, form)) {
                found << f.text;
                if (c.window != W::None)
                    EXPECT_EQ(f.window, c.window) << f.text.toStdString();
            }
            for (const char *text : *texts)
                expected << QString::fromUtf8(text);
            EXPECT_EQ(found, expected);
        }
        // The print window's "current until" says the same as the form's check.
        const QDate dated = *Dates::parseExact(dm->tblFSPro.FieldByName("Date").AsString());
        const bool stale = c.sba.size() == 1 && QString(c.sba[0]).contains(" days ago;");
        EXPECT_EQ(stale, Today > sba413CurrentUntil(dated));
    }
}

} // namespace
