#include "lender/properties.h"

#include <cmath>

#include "data/engine/query.h"
#include "totals/asset_totals.h"

double RealEstateRow::ownedShare() const
{
    return propertyShare(marketValue, percentOwned);
}

double RealEstateRow::owedShare() const
{
    return propertyShare(currentBalance, percentLiability);
}

bool RealEstateRow::hasLien() const
{
    return currentBalance != 0 || !lienHolder.trimmed().isEmpty();
}

std::vector<const RealEstateRow *> Property::lienLines() const
{
    std::vector<const RealEstateRow *> lines;
    if (row.hasLien())
        lines.push_back(&row);
    for (const RealEstateRow &lien : liens)
        lines.push_back(&lien);
    return lines;
}

bool isRentalOccupancy(const QString &occupancy)
{
    return occupancy == QLatin1String("Tenant Occupied") || occupancy == QLatin1String("Partly Tenant Occupied")
           || occupancy == QLatin1String("Vacant");
}

namespace {

void formFigures(Property &property)
{
    const auto add = [&property](const RealEstateRow &r) {
        property.marketValue += r.marketValue;
        property.ownedShare += r.ownedShare();
        property.balance += r.currentBalance;
        property.owedShare += r.owedShare();
        property.monthlyPayment += r.monthlyPayment;
    };
    add(property.row);
    for (const RealEstateRow &lien : property.liens)
        add(lien);
    property.equity = property.ownedShare - property.owedShare;

    if (property.marketValue > 0) {
        // Tenths of a percent in one division, so a ratio that falls on a half stays exact.
        const double tenths = std::floor(property.balance * 1000.0 / property.marketValue + 0.5);
        if (std::isfinite(tenths))
            property.loanToValue = tenths / 10.0;
    }

    const RealEstateRow &p = property.row;
    if (isRentalOccupancy(p.occupancy)) {
        double income = propertyShare(p.monthlyRent - p.monthlyTaxes - p.monthlyInsurance - p.monthlyDues, p.percentOwned);
        income -= propertyShare(p.monthlyPayment, p.percentLiability);
        for (const RealEstateRow &lien : property.liens)
            income -= propertyShare(lien.monthlyPayment, lien.percentLiability);
        property.netRentalIncome = income;
    }
}

} // namespace

StatementProperties groupProperties(std::vector<RealEstateRow> rows)
{
    StatementProperties result;
    std::vector<RealEstateRow> liens;
    for (RealEstateRow &row : rows) {
        if (row.lienOnProperty.isEmpty()) {
            Property property;
            property.number = int(result.properties.size()) + 1;
            property.row = std::move(row);
            result.properties.push_back(std::move(property));
        } else {
            liens.push_back(std::move(row));
        }
    }
    for (RealEstateRow &lien : liens) {
        Property *owner = nullptr;
        for (Property &property : result.properties)
            if (property.row.description == lien.lienOnProperty) {
                owner = &property;
                break;
            }
        if (owner)
            owner->liens.push_back(std::move(lien));
        else
            result.unplacedLiens.push_back(std::move(lien));
    }
    for (Property &property : result.properties)
        formFigures(property);
    return result;
}

StatementProperties statementProperties(Database &db, const QString &clientId)
{
    Query query(db, "SELECT Description, Type, YearAcquired, RegisteredName, Address, City, State, Zip, "
                    "DatePurchased, Occupancy, LienOnProperty, LienHolder, LienHolderAddress, LienAccountNumber, "
                    "LienStatus, PercentOwned, PercentLiability, MarketValue, OriginalCost, CurrentBalance, "
                    "MonthlyPayment, MonthlyRent, MonthlyTaxes, MonthlyInsurance, MonthlyDues, InterestRate "
                    "FROM RealEstate WHERE ClientId = ?1 ORDER BY Description COLLATE NOCASE, rowid");
    query.bind(1, clientId);
    std::vector<RealEstateRow> rows;
    while (query.next()) {
        int c = 0;
        RealEstateRow r;
        for (QString *text : {&r.description, &r.type, &r.yearAcquired, &r.registeredName, &r.address, &r.city,
                              &r.state, &r.zip, &r.datePurchased, &r.occupancy, &r.lienOnProperty, &r.lienHolder,
                              &r.lienHolderAddress, &r.lienAccountNumber, &r.lienStatus})
            *text = query.text(c++);
        r.percentOwned = query.value(c++);
        r.percentLiability = query.value(c++);
        for (double *amount : {&r.marketValue, &r.originalCost, &r.currentBalance, &r.monthlyPayment, &r.monthlyRent,
                               &r.monthlyTaxes, &r.monthlyInsurance, &r.monthlyDues})
            *amount = query.real(c++);
        if (!query.isNull(c) && !query.text(c).trimmed().isEmpty())
            r.interestRate = query.real(c);
        rows.push_back(std::move(r));
    }
    return groupProperties(std::move(rows));
}
