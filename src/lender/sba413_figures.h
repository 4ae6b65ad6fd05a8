#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

class Tdm1;

// Every figure and text of SBA Form 413 for the current statement, read from the same rows
// as our summary and schedules (every table filtered on the statement, in its grid order).
//
// Whole dollars, held here once: an amount is first taken to whole cents exactly as our
// pages print it, then to dollars half up. Total Assets and Net Worth print our own totals
// so; Total Liabilities prints their difference as printed, and the lines of each column are
// apportioned to its total by largest remainder, so the column adds up to the dollar. When a
// stored total disagrees with its rows, nothing is apportioned: every line prints rounded
// alone and the totals print as stored.
namespace Sba413 {

// Rule 1: the amount in whole cents as our pages print it, with its sign.
qint64 cents(double amount);
// Rule 2: cents to dollars, half a dollar up (-150,000.50 is -150,000).
qint64 dollars(qint64 cents);
qint64 dollarsOf(double amount);
// Rule 4: the lines (in cents, in the form's order) apportioned to `totalDollars`: each line
// rounded down, the missing dollars one each to the largest remainders (the first on a tie),
// a dollar too many taken from the smallest. Empty when the lines are more than a cent a
// line away from the total: a stored total that disagrees with its rows.
std::optional<std::vector<qint64>> apportioned(const std::vector<qint64> &lineCents, qint64 totalCents,
                                               qint64 totalDollars);
// Whole dollars as the form prints them: "14,601", "-150,000", "0".
QString printed(qint64 dollars);
QString printed(const std::optional<qint64> &dollars);

// The lines of page 1, in the form's order.
enum class AssetLine {
    CashOnHand,
    Savings,
    Retirement,
    Receivable,
    LifeInsurance,
    StocksAndBonds,
    RealEstate,
    Automobiles,
    PersonalProperty,
    OtherAssets,
};
inline constexpr int AssetLineCount = 10;

enum class LiabilityLine {
    AccountsPayable,
    NotesPayable,
    InstallmentAuto,
    InstallmentOther,
    LifeInsuranceLoans,
    Mortgages,
    UnpaidTaxes,
    OtherLiabilities,
};
inline constexpr int LiabilityLineCount = 8;

enum class IncomeLine { Salary, InvestmentIncome, RealEstateIncome, OtherIncome };
enum class ContingentLine { Endorser, LegalClaims, FederalIncomeTax, SpecialDebt };

// The program boxes of the form's head, in the form's order.
enum class Program { Disaster, Wosb, EightA, Loans };

struct DescribedAmount
{
    QString description;
    std::optional<qint64> dollars;
};

struct Note // Section 2
{
    QString noteholder;
    QString address;
    std::optional<qint64> originalBalance;
    std::optional<qint64> currentBalance;
    std::optional<qint64> paymentAmount;
    QString frequency;
    QString collateral;
};

struct Security // Section 3
{
    QString shares;
    QString name;
    std::optional<qint64> cost;
    QString exchange;
    QString quotationDate;
    std::optional<qint64> totalValue;
};

struct Lien // a mortgage line of Section 4
{
    QString holder;  // name, then address on a line of its own
    QString account;
    QString balance; // the whole balance, and "(n % owed: share)" below it
    QString payment; // "1,250/mo"
    QString status;
};

struct PropertyColumn // a column of Section 4
{
    QString type;
    QString address;
    QString datePurchased;
    QString originalCost;
    QString marketValue; // the whole property, and "(n % owned: share)" below it
    std::vector<Lien> liens;
};

struct UnpaidTax // Section 6
{
    QString type;
    QString payableTo;
    QString dueDate;
    std::optional<qint64> amount;
    QString property;
};

struct OtherLiability // Section 7
{
    QString description;
    std::optional<qint64> amount;
    std::optional<qint64> monthlyPayment;
};

struct Policy // Section 8
{
    QString company;
    QString insured;
    QString beneficiaries;
    std::optional<qint64> faceAmount;
    std::optional<qint64> cashSurrenderValue;
};

struct Signer
{
    QString name;
    QString socialSecurity;
};

struct Figures
{
    // The head and the particulars.
    std::array<bool, 4> programs{};
    QString asOf;
    QString name;
    QString homeAddress;
    QString cityStateZip;
    QString homePhone;
    QString businessPhone;
    QString businessName;
    QString businessAddress; // printed only when entered
    QString businessType;
    std::optional<bool> married;

    // Page 1 in whole dollars.
    std::array<qint64, AssetLineCount> assets{};
    qint64 totalAssets = 0;
    std::array<qint64, LiabilityLineCount> liabilities{};
    qint64 autoPayments = 0;
    qint64 otherInstallmentPayments = 0;
    qint64 totalLiabilities = 0;
    qint64 netWorth = 0;
    qint64 totalLiabilitiesAndNetWorth = 0;
    // False where a stored total disagrees with its rows: then nothing was apportioned.
    bool assetsAddUp = true;
    bool liabilitiesAddUp = true;

    // Section 1.
    std::array<qint64, 4> income{};
    std::vector<DescribedAmount> otherIncome;
    std::array<qint64, 4> contingent{};

    std::vector<Note> notes;
    std::vector<Security> securities;
    std::vector<PropertyColumn> properties; // and a lien that names no property, alone
    std::vector<DescribedAmount> otherProperty; // Section 5
    std::vector<UnpaidTax> taxes;
    std::vector<OtherLiability> otherLiabilities;
    std::vector<Policy> policies;

    // The first signature block, and the second on a joint statement (else empty).
    Signer first;
    Signer second;
    bool joint = false;

    qint64 asset(AssetLine line) const { return assets[size_t(line)]; }
    qint64 liability(LiabilityLine line) const { return liabilities[size_t(line)]; }
};

// Reads the current statement: every table must stand on it, as for printing.
Figures figuresOf(Tdm1 &dm);

} // namespace Sba413
