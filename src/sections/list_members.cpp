#include "list_members.h"

#include "data/engine/table.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"
#include "totals/totals.h"

namespace {

// The monthly figure of a yearly amount, as a currency value.
void monthlyAmount(Table &table)
{
    table.FieldByName(QStringLiteral("MAmount")).SetAsCurrency(table.FieldByName(QStringLiteral("Amount")).AsFloat() / 12.0);
}

void autoDescription(Table &table)
{
    table.FieldByName(QStringLiteral("Description"))
        .SetAsString(table.FieldByName(QStringLiteral("Year")).AsString() + u' '
                     + table.FieldByName(QStringLiteral("Model")).AsString());
}

using EL = ListMember::EditField;

const std::vector<EL> &realEstateFields()
{
    static const std::vector<EL> fields = {
        {"* Description:", "Description"},
        {"* Property Type:", "Type", EntryLists::realEstateTypes},
        {"* Year Acquired:", "YearAcquired"},
        {"* Owned:", "PercentOwned", nullptr, "%", DBEdit::Rule::Percent},
        {"* Percent Liability:", "PercentLiability", nullptr, "%", DBEdit::Rule::Percent},
        {"Lien Holder:", "LienHolder"},
        {"* Market Value:", "MarketValue"},
        {"Current Balance:", "CurrentBalance"},
        {"Title in Name of:", "RegisteredName"},
    };
    return fields;
}

const std::vector<ListMember::Required> &realEstateRequired()
{
    static const std::vector<ListMember::Required> required = {
        {"Description", "Please enter a Description."},   {"Type", "Please enter Property Type."},
        {"YearAcquired", "Please enter Year Acquired."}, {"PercentOwned", "Please enter Percent Owned Price."},
        {"PercentLiability", "Please enter Percent of Liability."}, {"MarketValue", "Please enter Market Value."},
    };
    return required;
}

const std::vector<EL> &registeredAssetFields()
{
    static const std::vector<EL> fields = {
        {"* Description:", "Description"}, {"* Registered in the Name of:", "Registered"}, {"* Value:", "Value"}};
    return fields;
}

const std::vector<ListMember::Required> &registeredAssetRequired()
{
    static const std::vector<ListMember::Required> required = {
        {"Description", "Please enter a Description."}, {"Registered", "Please enter Registed Name."},
        {"Value", "Please enter Value."}};
    return required;
}

const std::vector<ListMember::Required> &itemRequired()
{
    static const std::vector<ListMember::Required> required = {
        {"Description", "Please enter a Description."}, {"Type", "Please enter Type."}, {"Amount", "Please enter Amount."}};
    return required;
}

} // namespace

const std::vector<ListMember> &listMembers()
{
    static const std::vector<ListMember> members = {
        {"TfrmCash", &Tdm1::tblCash, &Tdm1::dsCash,
         {{"RegisteredName", "Registered Name", 200}, {"Type", "Type of Account", 170},
          {"Balance", nullptr, 100, true}},
         {{"* Registered Name:", "RegisteredName"},
          {"* Type of Account:", "Type", EntryLists::cashTypes},
          {"Bank:", "Bank"},
          {"Account Number:", "AccountNumber"},
          {"* Current Balance:", "Balance"},
          {"Pledged?", "Pledged", EntryLists::noYes},
          {"To Whom:", "PledgedTo"}},
         {{"RegisteredName", "Please enter Registered Name."}, {"Type", "Please enter Type of Account."},
          {"Balance", "Please enter Balance."}},
         "CashOnHand", RecalcCashTotals, "CheckCashForErrors", nullptr, true},
        {"TfrmInvestments", &Tdm1::tblInvestments, &Tdm1::dsInvestments,
         {{"Description", nullptr, 210}, {"InvestmentType", "Investment Type", 160},
          {"MarketValue", "Market Value", 100, true}},
         {{"* Description:", "Description"},
          {"* Investment Type:", "InvestmentType", EntryLists::investmentTypes},
          {"Registered in Name of:", "RegisteredName"},
          {"*Exchange:", "Exchange", EntryLists::exchanges},
          {"Shares:", "Shares"},
          {"* Purchase Price:", "PurchasePrice"},
          {"* Current Market Value:", "MarketValue"},
          {"Pledged?", "Pledged", EntryLists::noYes},
          {"To Whom:", "PledgedTo"}},
         {{"Description", "Please enter a Description."}, {"InvestmentType", "Please enter Investment Type."},
          {"Exchange", "Please enter Exchange."}, {"PurchasePrice", "Please enter Purchase Price."},
          {"MarketValue", "Please enter Current Market Value."}},
         "InvestmentTotals", RecalcInvestmentTotals, "CheckInvestmentsForErrors", nullptr, true},
        {"TfrmRealEstate", &Tdm1::tblRealEstate, &Tdm1::dsRealEstate,
         {{"Description", nullptr, 170}, {"Type", "Property Type", 110}, {"TMarketValue", "Asset Value", 95, true},
          {"MarketValue", "Market Value", 95, true}},
         realEstateFields(), realEstateRequired(), "RealEstateTotals", RecalcRealEstateTotals,
         "CheckRealEstateForErrors", nullptr, true},
        {"TfrmAutos", &Tdm1::tblAuto, &Tdm1::dsAuto,
         {{"Description", "Auto Description", 230}, {"PurchasePrice", "Purchase Price", 120, true},
          {"CurrentValue", "Current Value", 120, true}},
         {{"* Make/Model:", "Model"},
          {"* Year:", "Year"},
          {"Purchase Price:", "PurchasePrice"},
          {"* Current Value:", "CurrentValue"},
          {"Monthly Payment:", "MonthlyPayment"}},
         {{"Model", "Please enter a Model."}, {"Year", "Please enter Year."}, {"CurrentValue", "Please enter Current Value."}},
         "AutoTotal", RecalcAutoTotals, "CheckAutosForErrors", "UpdateAuto", false, autoDescription},
        {"TfrmLifeInsurance", &Tdm1::tblLifeInsurance, &Tdm1::dsLifeInsurance,
         {{"Insured", nullptr, 140}, {"Company", nullptr, 140}, {"FaceValue", "Face Value", 95, true},
          {"CashValue", "Cash Value", 95, true}},
         {{"* Insured:", "Insured"},
          {"* Company:", "Company"},
          {"* Beneficiary:", "Beneficiary"},
          {"* Face Value:", "FaceValue"},
          {"* Cash Value:", "CashValue"},
          {"* Pledged?", "Pledged", EntryLists::noYes},
          {"To Whom:", "PledgedTo"}},
         {{"Insured", "Please enter Insured."}, {"Company", "Please enter Company."},
          {"Beneficiary", "Please enter Beneficiary."}, {"FaceValue", "Please enter Face Value."},
          {"CashValue", "Please enter Cash Value."}, {"Pledged", "Please enter Pledged."}},
         "LifeCash", RecalcLifeInsuranceTotals, "CheckLifeInsuranceForErrors", "UpdateLifeInsurance", true},
        {"TfrmPersonal", &Tdm1::tblPersonalAssets, &Tdm1::dsPersoanalAssets,
         {{"Description", nullptr, 220}, {"Registered", "Registered Name", 150}, {"Value", nullptr, 100, true}},
         registeredAssetFields(), registeredAssetRequired(), "PersonalAssets", RecalcPersonalAssetTotals,
         "CheckPersonalForErrors", "UpdatePersonal"},
        {"TfrmBusiness", &Tdm1::tblBusinessAssets, &Tdm1::dsBusinessAssets,
         {{"Description", nullptr, 220}, {"Registered", "Registered Name", 150}, {"Value", nullptr, 100, true}},
         registeredAssetFields(), registeredAssetRequired(), "BusinessAssets", RecalcBusinessAssetTotals,
         "CheckBusinessForErrors", "UpdateBusiness"},
        {"TfrmOther", &Tdm1::tblOtherAssets, &Tdm1::dsOtherAssets,
         {{"Description", nullptr, 220}, {"Registered", "Registered Name", 150}, {"Value", nullptr, 100, true}},
         {{"* Asset Type:", "Type", EntryLists::otherAssetTypes},
          {"* Description:", "Description"},
          {"* Registered in the  Name of:", "Registered"},
          {"* Value:", "Value"}},
         {{"Type", "Please enter Asset Type."}, {"Description", "Please enter a Description."},
          {"Registered", "Please enter Registered Name."}, {"Value", "Please enter Value."}},
         "OtherAssetsTotal", RecalcOtherAssetTotals, "CheckOtherForErrors", "UpdateOther"},
        {"TfrmBank_Liabilities", &Tdm1::tblBank, &Tdm1::dsBank,
         {{"Description", nullptr, 200}, {"Bank", nullptr, 170}, {"Amount", nullptr, 100, true}},
         {{"* Description:", "Description"},
          {"* Bank:", "Bank"},
          {"* Amount:", "Amount"},
          {"Registered in Name of:", "Registered"}},
         {{"Description", "Please enter a Description."}, {"Bank", "Please enter Bank."}, {"Amount", "Please enter Amount."}},
         "BankLiability", RecalcBankNoteTotals, "CheckBankLiabilityForErrors", "UpdateBankLiability"},
        {"TfrmRealEstate_Liabilities", &Tdm1::tblRealEstate, &Tdm1::dsRealEstate,
         {{"Description", nullptr, 170}, {"Type", "Property Type", 110}, {"MarketValue", "Market Value", 95, true},
          {"TCurrentLiability", "Asset Liability", 95, true}},
         realEstateFields(), realEstateRequired(), "MortgageLiabilitiesTotals", RecalcRealEstateTotals,
         "CheckRealEstateForErrors", nullptr, true},
        {"TfrmCreditCard_Liabilities", &Tdm1::tblCreditCards, &Tdm1::dsCreditCards,
         {{"Description", "Card Name", 230}, {"CreditLimit", "Credit Limit", 120, true},
          {"CurrentBalance", "Balance", 120, true}},
         {{"* Card Name:", "Description"},
          {"* Card Balance:", "CurrentBalance"},
          {"Credit Limit:", "CreditLimit"},
          {"Member Since (Year):", "MemberSince"}},
         {{"Description", "Please enter Card Name."}, {"CurrentBalance", "Please enter Card Balance."}},
         "CreditCardLiability", RecalcCreditCardTotals, "CheckCreditCardLiabilityForErrors", "UpdateCreditCardLiability"},
        {"TfrmAutos_Liabilities", &Tdm1::tblAuto2, &Tdm1::dsAuto2,
         {{"Description", "Auto Description", 200}, {"Registered", "Registered Name", 160},
          {"LoanBalance", "Loan Balance", 110, true}},
         {{"* Description:", "Description"},
          {"* Loan Balance:", "LoanBalance"},
          {"Registered in Name of:", "Registered"},
          {"Lien Holder:", "LienHolder"}},
         {{"Description", "Please enter a Description."}, {"LoanBalance", "Please enter Loan Balance."}},
         "AutoLiability", RecalcAutoLoanTotals, "CheckAutoLiabilityForErrors", "UpdateAutoLiability"},
        {"TfrmTax_Liabilities", &Tdm1::tblTaxes, &Tdm1::dsTaxes,
         {{"Description", "Type of Tax", 170}, {"Explanation", nullptr, 200}, {"Amount", nullptr, 100, true}},
         {{"* Type of Tax:", "Description"}, {"* Explanation:", "Explanation"}, {"* Amount:", "Amount"}},
         {{"Description", "Please enter Type of Tax."}, {"Explanation", "Please enter Explanation."},
          {"Amount", "Please enter Amount."}},
         "TaxLiability", RecalcTaxTotals, "CheckTaxLiabilityForErrors", "UpdateTaxLiability"},
        {"TfrmOther_Liabilities", &Tdm1::tblOther, &Tdm1::dsOther,
         {{"Description", nullptr, 230}, {"MonthlyPayment", "Monthly Payment", 120, true},
          {"Amount", "Amount Owed", 120, true}},
         {{"* Description:", "Description"}, {"* Monthly Payment:", "MonthlyPayment"}, {"* Amount Owed:", "Amount"}},
         {{"Description", "Please enter Description."}, {"MonthlyPayment", "Please enter Monthly Payment."},
          {"Amount", "Please enter Amount Owed."}},
         "OtherLiability", RecalcOtherLiabilityTotals, "CheckOtherLiabilityForErrors", "UpdateOtherLiability"},
        {"TfrmContingent_Liabilities", &Tdm1::tblContingent, &Tdm1::dsContingent,
         {{"Description", "Type", 200}, {"ToWhom", "To Whom", 170}, {"Amount", nullptr, 100, true}},
         {{"* Type:", "Description", EntryLists::contingentTypes},
          {"* To Whom:", "ToWhom"},
          {"* Amount:", "Amount"},
          {"Monthly Payment:", "MonthlyPayment"},
          {"Maturity Date:", "Maturity", nullptr, "(Example: mm/dd/yyyy)", DBEdit::Rule::Date},
          {"Explanation:", "Explanation"}},
         {{"Description", "Please enter Type."}, {"ToWhom", "Please enter To Whom."}, {"Amount", "Please enter Amount."}},
         "ContingentLiability", RecalcContingentTotals, "CheckContingentLiabilityForErrors",
         "UpdateContingentLiability"},
        {"TfrmIncome", &Tdm1::tblIncomes, &Tdm1::dsIncomes,
         {{"Description", nullptr, 210}, {"Type", nullptr, 170}, {"Amount", nullptr, 90, true}},
         {{"* Description:", "Description"}, {"* Type:", "Type", EntryLists::incomeTypes}, {"* Amount:", "Amount"}},
         itemRequired(), "IncomeTotal", RecalcIncomeTotals, "CheckIncomeForErrors", "UpdateIncome", false, monthlyAmount},
        {"TfrmExpenses", &Tdm1::tblExpenditure, &Tdm1::dsExpenditure,
         {{"Description", nullptr, 200}, {"Type", nullptr, 180}, {"Amount", nullptr, 90, true}},
         {{"* Description:", "Description"}, {"* Type:", "Type", EntryLists::expenseTypes}, {"* Amount:", "Amount"}},
         itemRequired(), "ExpenseTotal", RecalcExpenseTotals, "CheckExpenseForErrors", "UpdateExpense", false,
         monthlyAmount},
    };
    return members;
}

const ListMember *findListMember(const QString &className)
{
    for (const ListMember &member : listMembers())
        if (className == QLatin1String(member.className))
            return &member;
    return nullptr;
}
