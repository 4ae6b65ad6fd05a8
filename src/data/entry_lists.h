#pragma once

#include <QHash>
#include <QStringList>

// The fixed entries of the drop-down lists, in the order the lists show them. They are the
// values stored, and the totals group rows by some of them (exactly as written, misspelling
// included), so each text is written once, here.

namespace InvestmentType {
inline constexpr char K401[] = "401K";
inline constexpr char Bond[] = "Bond";
inline constexpr char MutualFund[] = "Mutual Fund";
inline constexpr char Retirement[] = "Retirement Account";
inline constexpr char SepIra[] = "SEP/IRA";
inline constexpr char Stock[] = "Stock";
inline constexpr char Other[] = "Other";
} // namespace InvestmentType

namespace OtherAssetType {
inline constexpr char Margin[] = "Restricted or Margin Account";
inline constexpr char NotesReceivable[] = "Accounts and Notes Receivable";
inline constexpr char AllOther[] = "All Other Assets";
} // namespace OtherAssetType

namespace IncomeType {
inline constexpr char Bonus[] = "Bonuses and Commissions";
inline constexpr char Dividends[] = "Dividends and Interest Income";
inline constexpr char RealEstate[] = "Net Real Estate Income";
inline constexpr char Oil[] = "Oil and Gas Income / Royalties";
inline constexpr char SalaryIndividual[] = "Salaries and Wages (Individual)";
inline constexpr char SalarySpouse[] = "Salaries and Wages (Spouse)";
inline constexpr char AllOther[] = "All Other Income";
} // namespace IncomeType

namespace ExpenseType {
inline constexpr char Alimony[] = "Alimony, Child Support, etc.";
inline constexpr char Insurance[] = "Auto, Life and Health Insurance Premium";
inline constexpr char Installment[] = "Installment Payment (Auto, Credit Card, etc.)";
inline constexpr char Lease[] = "Lease Obligation";
inline constexpr char Mortgage[] = "Mortgage Payment";
inline constexpr char OtherDebt[] = "Other Debt Service";
inline constexpr char Rental[] = "Rental Payment";
inline constexpr char AllOther[] = "All Other Obligations";
} // namespace ExpenseType

namespace EntryLists {
const QStringList &cashTypes();
// Entries stored under an earlier spelling, with the entry each now reads as. Such a row
// shows and prints the entry and is stored with it when it is saved again.
const QHash<QString, QString> &cashTypeFormerSpellings();
const QStringList &investmentTypes();
const QStringList &exchanges();
const QStringList &realEstateTypes();
const QStringList &otherAssetTypes();
const QStringList &contingentTypes();
const QStringList &incomeTypes();
const QStringList &expenseTypes();
// The lists of the fields of the lender's forms.
const QStringList &businessTypes();
const QStringList &occupancies();
const QStringList &lienStatuses();
const QStringList &paymentFrequencies();
// The form's four kinds of contingent liability.
const QStringList &contingentCategories();
// A contingent liability's kind: its category when that is one of the four, else the kind its
// type (Description) falls under.
QString contingentCategoryOf(const QString &category, const QString &description);
// The page 1 line another liability belongs to; empty reads as the first.
const QStringList &otherLiabilityCategories();
// Every "Pledged?" list, the legal answers and the programs of the lender's forms.
const QStringList &noYes();
// The fifty state codes of every state list.
const QStringList &states();
// The person's marital status; the spouse's list has an empty first entry.
const QStringList &maritalStatuses();
const QStringList &spouseMaritalStatuses();
} // namespace EntryLists
