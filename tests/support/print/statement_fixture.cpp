#include "statement_fixture.h"

#include <cmath>

#include "data/tdm1.h"
#include "print/engine/composite_report.h"
#include "print/engine/money.h"
#include "print/engine/report_page.h"

const std::map<QString, QString> &StatementTest::holderValues()
{
    static const std::map<QString, QString> values = {
        {"FirstName", "John"},
        {"MiddleInitial", "Q"},
        {"LastName", "Smith"},
        {"FullName2", "John Q. Smith"},
        {"Dependants", "3"},
        {"Birthday", "04/12/1961"},
        {"DriversLicenseandState", "S530-4417-8821 IL"},
        {"SSN", "321-54-9876"},
        {"Address", "1420 Maple Avenue"},
        {"City", "Springfield"},
        {"State", "IL"},
        {"Zip", "62704"},
        {"Employer", "Midland Freight Co."},
        {"Position", "Operations Manager"},
        {"YearsEmployed", "12"},
        {"EAddress", "88 Commerce Drive"},
        {"ECity", "Decatur"},
        {"EState", "MO"},
        {"EZip", "62521"},
        {"BusinessPhone", "(217) 555-0142"},
        {"PersonalPhone", "(217) 555-0199"},
        {"Email", "john.smith@example.com"},
        {"Accountant", "Harold Beck, CPA"},
        {"AccountantPhone", "(217) 555-0410"},
        {"Attorney", "Lena Ortiz"},
        {"AttorneyPhone", "(217) 555-0420"},
        {"Banker", "First Prairie Bank"},
        {"BankerPhone", "(217) 555-0430"},
        {"Advisor", "Tom Reyes"},
        {"AdvisorPhone", "(217) 555-0440"},
    };
    return values;
}

const std::map<QString, QString> &StatementTest::spouseValues()
{
    static const std::map<QString, QString> values = {
        {"SFirstName", "Mary"},
        {"SMiddleInitial", "A"},
        {"SLastName", "Smith"},
        {"SFullName2", "Mary A. Smith"},
        {"SDependants", "1"},
        {"SBirthday", "09/30/1963"},
        {"SDriversLicenseandState", "S530-7781-1190 IL"},
        {"SSSN", "412-77-3109"},
        {"SAddress", "1420 Maple Ave., Apt 2"},
        {"SCity", "Chatham"},
        {"SState", "KY"},
        {"SZip", "62629"},
        {"SEmployer", "St. John's Hospital"},
        {"SPosition", "Charge Nurse"},
        {"SYearsEmployed", "8"},
        {"SEAddress", "800 E. Carpenter St."},
        {"SECity", "Peoria"},
        {"SEState", "WI"},
        {"SEZip", "61602"},
        {"SBusinessPhone", "(217) 555-0377"},
        {"SPersonalPhone", "(217) 555-0388"},
        {"SEmail", "mary.smith@example.com"},
        {"SAccountant", "Ruth Kaplan, CPA"},
        {"SAccountantPhone", "(309) 555-0510"},
        {"SAttorney", "Dev Patel"},
        {"SAttorneyPhone", "(309) 555-0520"},
        {"SBanker", "Heartland Savings"},
        {"SBankerPhone", "(309) 555-0530"},
        {"SAdvisor", "Ines Moreau"},
        {"SAdvisorPhone", "(309) 555-0540"},
    };
    return values;
}

const std::map<QString, QString> &StatementTest::totalValues()
{
    static const std::map<QString, QString> values = {
        {"Date", "03/15/2024"},
        {"CashOnHand", "12500"},
        {"RealEstateTotals", "250000"},
        {"InvestmentTotals", "48250.75"},
        {"AutoTotal", "18400"},
        {"LifeCash", "9100"},
        {"PersonalAssets", "35000"},
        {"BusinessAssets", "120000"},
        {"NotesReceivable", "5000"},
        {"MarginAccounts", "7500"},
        {"OtherAssets", "2500"},
        {"TotalAssets", "508250.75"},
        {"BankLiability", "15000"},
        {"MortgageLiabilitiesTotals", "142000"},
        {"CreditCardLiability", "3250.4"},
        {"AutoLiability", "9800"},
        {"TaxLiability", "4100"},
        {"OtherLiability", "2200"},
        {"ContingentLiability", "25000"},
        {"TotalLiabilities", "176350.4"},
        {"NetWorth", "331900.35"},
        {"TotalLiabilitiesandNetWorth", "508250.75"},
        {"Salary", "96000"},
        {"Salary_Spouse", "64000"},
        {"Bonus", "12000"},
        {"Dividends", "3400.5"},
        {"RealEstateIncome", "18000"},
        {"OilIncome", "1200"},
        {"OtherIncome", "2500"},
        {"IncomeTotal", "197100.5"},
        {"Installment_Exp", "7200"},
        {"Lease_Exp", "4800"},
        {"Mortgage_Exp", "21600"},
        {"OtherDebt_Exp", "1800"},
        {"Alimony_Exp", "6000"},
        {"Insurance_Exp", "5400"},
        {"Other_Exp", "9600"},
        {"Rental_Exp", "0"},
        {"ExpenseTotal", "56400"},
        {"MIncomeTotal", "16425.0416666667"},
        {"MExpenseTotal", "4700"},
        {"RealEstateTotalsAsset", "250000"},
        {"InvestmentPurchasePrice", "39000"},
        {"AutoPaymentTotal", "410"},
        {"AutoPurchasePrice", "24000"},
        {"LifeFace", "250000"},
        {"OtherAssetsTotal", "15000"},
        {"TMortgageLiabilitiesTotals", "142000"},
        {"CreditCardLimit", "18000"},
        {"OtherLiabilityMonthlyPayment", "220"},
        {"ContingentLiabilityMonthlyPayment", "0"},
    };
    return values;
}

void StatementTest::set(Table &table, const std::map<QString, QString> &values)
{
    table.Edit();
    for (const auto &[name, value] : values)
        table.FieldByName(name).SetAsString(value);
    table.Post();
}

const std::vector<std::pair<Table Tdm1::*, std::map<QString, QString>>> &StatementTest::detailRows()
{
    static const std::vector<std::pair<Table Tdm1::*, std::map<QString, QString>>> rows = {
        {&Tdm1::tblCash,
         {{"Type", "Checking Account"}, {"RegisteredName", "John Q. Smith"}, {"Bank", "First Prairie Bank"},
          {"AccountNumber", "****4471"}, {"Balance", "8200"}}},
        {&Tdm1::tblCash,
         {{"Type", "Savings Account"}, {"RegisteredName", "John and Mary Smith"}, {"Bank", "Heartland Savings"},
          {"AccountNumber", "****0932"}, {"Balance", "4300"}}},
        {&Tdm1::tblInvestments,
         {{"Shares", "150"}, {"Description", "Acme Corp."}, {"InvestmentType", "Stock"}, {"Exchange", "NYSE"},
          {"Pledged", "No"}, {"RegisteredName", "John Q. Smith"}, {"PurchasePrice", "9000"}, {"MarketValue", "12750.75"}}},
        {&Tdm1::tblInvestments,
         {{"Shares", "300"}, {"Description", "Prairie Growth Fund"}, {"InvestmentType", "Mutual Fund"},
          {"Exchange", "Other"}, {"Pledged", "Yes"}, {"RegisteredName", "John and Mary Smith"},
          {"PurchasePrice", "30000"}, {"MarketValue", "35500"}}},
        {&Tdm1::tblRealEstate,
         {{"Type", "Homestead"}, {"Description", "1420 Maple Avenue"}, {"YearAcquired", "1998"},
          {"RegisteredName", "John and Mary Smith"}, {"PercentOwned", "100"}, {"MarketValue", "250000"},
          {"TMarketValue", "250000"}, {"LienHolder", "Prairie Mortgage Co."}, {"CurrentBalance", "142000"},
          {"PercentLiability", "100"}, {"TCurrentLiability", "142000"}}},
        {&Tdm1::tblAuto,
         {{"Model", "Honda Accord"}, {"Year", "2019"}, {"Description", "2019 Honda Accord"}, {"PurchasePrice", "24000"},
          {"CurrentValue", "18400"}, {"MonthlyPayment", "410"}}},
        {&Tdm1::tblLifeInsurance,
         {{"Company", "Midwest Mutual"}, {"Insured", "John Q. Smith"}, {"Beneficiary", "Mary A. Smith"},
          {"Pledged", "No"}, {"FaceValue", "250000"}, {"CashValue", "9100"}}},
        {&Tdm1::tblPersonalAssets,
         {{"Description", "Household furnishings"}, {"Registered", "John and Mary Smith"}, {"Value", "35000"}}},
        {&Tdm1::tblBusinessAssets,
         {{"Description", "Smith Consulting LLC (40%)"}, {"Registered", "John Q. Smith"}, {"Value", "120000"}}},
        {&Tdm1::tblOtherAssets,
         {{"Type", "Accounts and Notes Receivable"}, {"Description", "Loan to a brother"},
          {"Registered", "John Q. Smith"}, {"Value", "5000"}}},
        {&Tdm1::tblAuto2,
         {{"Description", "2019 Honda Accord loan"}, {"Registered", "John Q. Smith"}, {"LienHolder", "Honda Finance"},
          {"LoanBalance", "9800"}}},
        {&Tdm1::tblBank,
         {{"Description", "Home equity line"}, {"Bank", "First Prairie Bank"}, {"Registered", "John and Mary Smith"},
          {"Amount", "15000"}}},
        {&Tdm1::tblCreditCards,
         {{"Description", "Visa Platinum"}, {"MemberSince", "2004"}, {"CreditLimit", "15000"},
          {"CurrentBalance", "2100.4"}}},
        {&Tdm1::tblTaxes,
         {{"Description", "Property tax"}, {"Explanation", "Second installment due in June"}, {"Amount", "4100"}}},
        {&Tdm1::tblOther, {{"Description", "Student loan"}, {"MonthlyPayment", "220"}, {"Amount", "2200"}}},
        {&Tdm1::tblContingent,
         {{"Description", "Guarantor"}, {"ToWhom", "Smith Consulting LLC"}, {"Maturity", "06/30/2027"},
          {"MonthlyPayment", "0"}, {"Amount", "25000"}}},
        {&Tdm1::tblIncomes,
         {{"Type", "Salaries and Wages (Individual)"}, {"Description", "Midland Freight salary"}, {"Amount", "96000"},
          {"MAmount", "8000"}}},
        {&Tdm1::tblIncomes,
         {{"Type", "Dividends and Interest Income"}, {"Description", "Brokerage dividends"}, {"Amount", "3400.5"},
          {"MAmount", "283.375"}}},
        {&Tdm1::tblExpenditure,
         {{"Type", "Mortgage Payment"}, {"Description", "Home mortgage"}, {"Amount", "21600"}, {"MAmount", "1800"}}},
        {&Tdm1::tblLegal,
         {{"Will", "Yes"}, {"WillExplanation", "Harold Beck"}, {"Divorce", "No"}, {"Bankruptcy", "No"},
          {"Partner", "Yes"}, {"PartnerExplanation", "Smith Consulting LLC, managing partner"}, {"Defendant", "No"},
          {"Judgement", "No"}, {"Prenuptial", "No"}, {"SpouseAssets", "No"}, {"EstateAssets", "No"},
          {"DebtAssets", "No"}}},
    };
    return rows;
}

void StatementTest::addRow(Table &table, const std::map<QString, QString> &values)
{
    table.Append();
    table.FieldByName("ClientId").SetAsString(clientId);
    for (const auto &[name, value] : values)
        table.FieldByName(name).SetAsString(value);
    table.Post();
}

void StatementTest::addDetailRows()
{
    for (const auto &[table, values] : detailRows())
        addRow(dm.get()->*table, values);
    select();
}

void StatementTest::addFilledStatement(bool joint)
{
    clientId = addClient(holderValues().at("FirstName"), holderValues().at("LastName"),
                         holderValues().at("MiddleInitial"), joint ? "Yes" : "No");
    set(dm->tblClient, holderValues());
    if (joint)
        set(dm->tblClient, spouseValues());
    addTotalsRow(clientId);
    set(dm->tblFSPro, totalValues());
    select();
}

void StatementTest::addBareStatement()
{
    clientId = addClient("Ann", "Archer");
    addTotalsRow(clientId);
    select();
}

Report::Document StatementTest::layOut(const RunPages &pages)
{
    Report::CompositeReport composite;
    composite.setAddReports([&](Report::CompositeReport &c) {
        for (const auto &page : pages)
            c.addReport(page.get());
    });
    return composite.layout();
}

Report::Document StatementTest::layOut(std::unique_ptr<Report::ReportPage> page)
{
    RunPages pages;
    pages.push_back(std::move(page));
    return layOut(pages);
}

void StatementTest::select()
{
    Table &client = dm->tblClient;
    client.SetFilter(QStringLiteral("Id = ") + clientId);
    client.SetFiltered(true);
    client.First();
    dm->SelectStatement();
}

QString printedAmount(const QString &stored)
{
    bool number = false;
    const double value = stored.toDouble(&number);
    return number ? Report::printedMoney(value) : stored;
}

QStringList textsOf(const Report::DocumentPage &page)
{
    QStringList texts;
    for (const Report::TextPrimitive *t : page.texts())
        texts << t->text;
    return texts;
}

const Report::TextPrimitive *textAt(const Report::DocumentPage &page, const QString &text, double left, double top)
{
    for (const Report::TextPrimitive *t : page.texts())
        if (t->text == text && std::abs(t->rect.left() - left) < 0.5 && std::abs(t->rect.top() - top) < 0.5)
            return t;
    return nullptr;
}
