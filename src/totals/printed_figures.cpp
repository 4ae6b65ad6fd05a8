#include "printed_figures.h"

#include <QtGlobal>
#include <QByteArray>

const std::vector<PrintedFigureGroup> &printedFigures()
{
    static const std::vector<PrintedFigureGroup> all = {
        {"Assets",
         {{.caption = "Cash (A)", .field = "CashOnHand", .summaryRow = 0, .summaryCaption = "Cash"},
          {.caption = "Real Estate (B)", .field = "RealEstateTotals", .summaryRow = 1},
          {.caption = "Securities (C)", .field = "InvestmentTotals", .summaryRow = 2},
          {.caption = "Automobiles (D)", .field = "AutoTotal", .summaryRow = 3},
          {.caption = "Cash Value Life Insurance (E)", .field = "LifeCash", .summaryRow = 4},
          {.caption = "Household and Personal Assets (F)", .field = "PersonalAssets", .summaryRow = 5},
          {.caption = "Business Assets (G)", .field = "BusinessAssets", .summaryRow = 6},
          {.caption = "Accounts and Notes Receivable (H)", .field = "NotesReceivable", .summaryRow = 7},
          {.caption = "Restricted or Margin Accounts (H)", .field = "MarginAccounts", .summaryRow = 8},
          {.caption = "All Other Assets (H)", .field = "OtherAssets", .summaryRow = 9},
          {.caption = "Total Assets", .field = "TotalAssets", .total = true, .summaryRow = 10}}},
        {"Liabilities",
         {{.caption = "Notes Payable (I)", .field = "BankLiability", .summaryRow = 0, .summaryCaption = "Notes Payable"},
          {.caption = "Mortgages Payable (J)", .field = "MortgageLiabilitiesTotals", .summaryRow = 1},
          {.caption = "Credit Card Liability (K)", .field = "CreditCardLiability", .summaryRow = 2},
          {.caption = "Auto Liability (L)", .field = "AutoLiability", .summaryRow = 3},
          {.caption = "Tax Liability (M)", .field = "TaxLiability", .summaryRow = 4},
          {.caption = "All Other Liabilities (N)", .field = "OtherLiability", .summaryRow = 5},
          {.caption = "Contingent Liabilities (O)", .field = "ContingentLiability", .summaryRow = 7},
          {.caption = "Total Liabilities", .field = "TotalLiabilities", .total = true, .summaryRow = 8},
          // Equal to total assets on a sound statement: nothing to compare.
          {.caption = "Total Liabilities & Net Worth", .field = "TotalLiabilitiesandNetWorth", .total = true, .compared = false, .summaryRow = 9},
          {.caption = "Net Worth", .field = "NetWorth", .total = true, .summaryRow = 10}}},
        {"Annual Income",
         {{.caption = "Salaries & Wages (Individual)", .field = "Salary", .summaryRow = 0},
          {.caption = "Salaries & Wages (Spouse)", .field = "Salary_Spouse", .summaryRow = 1},
          {.caption = "Bonuses & Commissions", .field = "Bonus", .summaryRow = 2},
          {.caption = "Dividends & Interest Income", .field = "Dividends", .summaryRow = 3},
          {.caption = "Net Real Estate Income", .field = "RealEstateIncome", .summaryRow = 4},
          {.caption = "Oil & Gas Income/Royalties", .field = "OilIncome", .summaryRow = 5},
          {.caption = "All Other Income", .field = "OtherIncome", .summaryRow = 6},
          {.caption = "Total Income", .field = "IncomeTotal", .total = true, .summaryRow = 8},
          {.caption = "Monthly Income", .field = "MIncomeTotal", .total = true}}},
        {"Annual Expenditures",
         {{.caption = "Installment Payments", .field = "Installment_Exp", .summaryRow = 0},
          {.caption = "Lease Obligations", .field = "Lease_Exp", .summaryRow = 1},
          {.caption = "Mortgage Payments", .field = "Mortgage_Exp", .summaryRow = 2},
          {.caption = "Other Debt Service", .field = "OtherDebt_Exp", .summaryRow = 3},
          {.caption = "Alimony, Child Support, etc", .field = "Alimony_Exp", .summaryRow = 4},
          {.caption = "Auto, Life & Health Insurance Premiums", .field = "Insurance_Exp", .summaryRow = 5},
          {.caption = "Rental Payments", .field = "Rental_Exp", .summaryRow = 7},
          {.caption = "All Other Expenditures", .field = "Other_Exp", .summaryRow = 6},
          {.caption = "Total Expenditures", .field = "ExpenseTotal", .total = true, .summaryRow = 8},
          {.caption = "Monthly Expenditures", .field = "MExpenseTotal", .total = true}}},
        {"Schedule Totals",
         {{.caption = "Real Estate (B), market value", .field = "RealEstateTotalsAsset", .total = true, .compared = false},
          {.caption = "Securities (C), purchase price", .field = "InvestmentPurchasePrice", .total = true, .compared = false},
          {.caption = "Automobiles (D), monthly payments", .field = "AutoPaymentTotal", .total = true, .compared = false},
          {.caption = "Automobiles (D), purchase price", .field = "AutoPurchasePrice", .total = true, .compared = false},
          {.caption = "Cash Value Life Insurance (E), face value", .field = "LifeFace", .total = true, .compared = false},
          {.caption = "Other Assets (H), total", .field = "OtherAssetsTotal", .total = true, .compared = false},
          {.caption = "Mortgages Payable (J), whole balances", .field = "TMortgageLiabilitiesTotals", .total = true, .compared = false},
          {.caption = "Credit Card Liability (K), card limits", .field = "CreditCardLimit", .total = true, .compared = false},
          {.caption = "All Other Liabilities (N), monthly payments", .field = "OtherLiabilityMonthlyPayment", .total = true, .compared = false},
          {.caption = "Contingent Liabilities (O), monthly payments", .field = "ContingentLiabilityMonthlyPayment", .total = true, .compared = false}}},
    };
    return all;
}

const PrintedFigureGroup &printedFigureGroup(const char *caption)
{
    for (const PrintedFigureGroup &group : printedFigures())
        if (qstrcmp(group.caption, caption) == 0)
            return group;
    qFatal("no printed figure group %s", caption);
}
