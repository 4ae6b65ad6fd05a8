#include "totals_oracle.h"

#include "support/temp_database.h"

namespace TotalsOracle {

const TypeFields InvestmentTypes = {{"SEP/IRA", "IRA"}, {"Stock", "Stocks"}, {"Bond", "Bonds"},
                                    {"Mutual Fund", "MutualFunds"}, {"Retirement Account", "Retirement"},
                                    {"401K", "401K"}, {"Other Retirement Account", "Other"}};
const TypeFields OtherAssetTypes = {{"Restricted or Margin Account", "MarginAccounts"},
                                    {"Accounts and Notes Receivable", "NotesReceivable"},
                                    {"All Other Assets", "OtherAssets"}};
const TypeFields IncomeTypes = {
    {"Salaries and Wages (Individual)", "Salary"}, {"Salaries and Wages (Spouse)", "Salary_Spouse"},
    {"Bonuses and Commissions", "Bonus"}, {"Dividends and Interest Income", "Dividends"},
    {"Net Real Estate Income", "RealEstateIncome"}, {"Oil and Gas Income / Royalties", "OilIncome"},
    {"All Other Income", "OtherIncome"}};
const TypeFields ExpenseTypes = {
    {"Alimony, Child Support, etc.", "Alimony_Exp"}, {"Auto, Life and Health Insurance Premium", "Insurance_Exp"},
    {"Installment Payment (Auto, Credit Card, etc.)", "Installment_Exp"}, {"Lease Obligation", "Lease_Exp"},
    {"Mortgage Payment", "Mortgage_Exp"}, {"Other Debt Service", "OtherDebt_Exp"},
    {"Rental Payment", "Rental_Exp"}, {"All Other Obligations", "Other_Exp"}};

std::map<QString, double> expectedTotals(const TempDatabase &db, const QString &id)
{
    std::map<QString, double> e;
    const auto sum = [&](const QString &field, const QString &table, const QString &expression,
                         const QString &where = "1") {
        e[field] = db.number(QStringLiteral("SELECT TOTAL(%1) FROM \"%2\" WHERE ClientId = '%3' AND %4")
                                 .arg(expression, table, id, where));
    };
    const auto byType = [&](const TypeFields &types, const QString &table, const QString &typeField,
                            const QString &expression) {
        for (const auto &[type, field] : types)
            sum(field, table, expression, typeField + " = '" + type + "'");
    };
    sum("CashOnHand", "Cash", "Balance");
    sum("InvestmentTotals", "Investments", "MarketValue");
    sum("InvestmentPurchasePrice", "Investments", "PurchasePrice");
    byType(InvestmentTypes, "Investments", "InvestmentType", "MarketValue");
    sum("RealEstateTotalsAsset", "RealEstate", "MarketValue");
    sum("RealEstateTotals", "RealEstate", "MarketValue * PercentOwned / 100");
    sum("TMortgageLiabilitiesTotals", "RealEstate", "CurrentBalance");
    sum("MortgageLiabilitiesTotals", "RealEstate", "CurrentBalance * PercentLiability / 100");
    sum("AutoTotal", "Auto", "CurrentValue");
    sum("AutoPurchasePrice", "Auto", "PurchasePrice");
    sum("AutoPaymentTotal", "Auto", "MonthlyPayment");
    sum("AutoPayments", "Auto", "MonthlyPayment * 12");
    sum("LifeFace", "LifeInsurance", "FaceValue");
    sum("LifeCash", "LifeInsurance", "CashValue");
    sum("PersonalAssets", "PersonalAssets", "Value");
    sum("BusinessAssets", "BusinessAssets", "Value");
    byType(OtherAssetTypes, "OtherAssets", "Type", "Value");
    sum("OtherAssetsTotal", "OtherAssets", "Value");
    sum("AutoLiability", "Autos2", "LoanBalance");
    sum("BankLiability", "Bank", "Amount");
    sum("CreditCardLiability", "CreditCards", "CurrentBalance");
    sum("CreditCardLimit", "CreditCards", "CreditLimit");
    sum("TaxLiability", "Taxes", "Amount");
    sum("OtherLiability", "Other", "Amount");
    sum("OtherLiabilityMonthlyPayment", "Other", "MonthlyPayment");
    sum("ContingentLiability", "Contingent", "Amount");
    sum("ContingentLiabilityMonthlyPayment", "Contingent", "MonthlyPayment");
    sum("IncomeTotal", "Incomes", "Amount");
    byType(IncomeTypes, "Incomes", "Type", "Amount");
    sum("ExpenseTotal", "Expenditure", "Amount");
    byType(ExpenseTypes, "Expenditure", "Type", "Amount");
    for (const auto &[type, field] : IncomeTypes + ExpenseTypes + TypeFields{{"", "IncomeTotal"}, {"", "ExpenseTotal"}})
        e["M" + field] = e[field] / 12;

    e["TotalAssets"] = e["CashOnHand"] + e["InvestmentTotals"] + e["RealEstateTotals"] + e["AutoTotal"]
        + e["LifeCash"] + e["PersonalAssets"] + e["BusinessAssets"] + e["OtherAssetsTotal"];
    e["TotalLiabilities"] = e["AutoLiability"] + e["BankLiability"] + e["CreditCardLiability"]
        + e["MortgageLiabilitiesTotals"] + e["TaxLiability"] + e["OtherLiability"];
    e["NetWorth"] = e["TotalAssets"] - e["TotalLiabilities"];
    e["TotalLiabilitiesandNetWorth"] = e["TotalAssets"];
    return e;
}

} // namespace TotalsOracle
