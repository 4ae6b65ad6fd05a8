#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QVariant>

class Database;

// One RealEstate row of a statement as the lender forms read it: an empty amount reads as
// 0 and an empty text as nothing; the two percentages keep the stored value, so a share is
// formed exactly as the real-estate recomputation forms it.
struct RealEstateRow
{
    QString description, type, yearAcquired, registeredName;
    QString address, city, state, zip, datePurchased, occupancy;
    QString lienOnProperty, lienHolder, lienHolderAddress, lienAccountNumber, lienStatus;
    QVariant percentOwned, percentLiability; // as stored: NULL while empty
    double marketValue = 0, originalCost = 0, currentBalance = 0, monthlyPayment = 0;
    double monthlyRent = 0, monthlyTaxes = 0, monthlyInsurance = 0, monthlyDues = 0;
    std::optional<double> interestRate; // empty is no rate, not 0 %

    double ownedShare() const; // MarketValue × PercentOwned × 0.01
    double owedShare() const;  // CurrentBalance × PercentLiability × 0.01
    // A property row without a balance and without a holder has no lien of its own.
    bool hasLien() const;
};

// A property: its row, its further liens (rows whose LienOnProperty names it) in grid
// order, and the figures formed over all of these rows.
struct Property
{
    int number = 0; // "Property n", from 1 in grid order
    RealEstateRow row;
    std::vector<RealEstateRow> liens;

    double marketValue = 0;    // Σ MarketValue, the whole property
    double ownedShare = 0;     // Σ MarketValue × po
    double balance = 0;        // Σ CurrentBalance, all liens whole
    double owedShare = 0;      // Σ CurrentBalance × pl
    double equity = 0;         // ownedShare − owedShare
    double monthlyPayment = 0; // Σ MonthlyPayment, as billed
    // Combined loan-to-value, a percentage rounded half up to one decimal; empty when the
    // market value is not above 0.
    std::optional<double> loanToValue;
    // Monthly, the statement's share; only for a rented or vacant property.
    std::optional<double> netRentalIncome;

    // The lien lines under the property: its own lien first, then its lien rows.
    std::vector<const RealEstateRow *> lienLines() const;
};

struct StatementProperties
{
    std::vector<Property> properties;
    // Lien rows whose LienOnProperty names no property row of the statement: their balances
    // still count in every total, so they are listed rather than dropped.
    std::vector<RealEstateRow> unplacedLiens;

    bool empty() const { return properties.empty() && unplacedLiens.empty(); }
};

// Whether the occupancy is one for which net rental income is shown.
bool isRentalOccupancy(const QString &occupancy);

// Groups rows given in grid order into properties and their liens. A lien names its
// property by the property's Description, exactly; when two properties share the name the
// first in grid order takes the lien.
StatementProperties groupProperties(std::vector<RealEstateRow> rows);

// The statement's RealEstate rows in the grid's order (Description without regard to case,
// then entry order), grouped.
StatementProperties statementProperties(Database &db, const QString &clientId);
