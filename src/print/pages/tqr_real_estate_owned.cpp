#include "tqr_real_estate_owned.h"

#include <functional>

#include "data/engine/field.h"
#include "data/tdm1.h"
#include "lender/properties.h"
#include "print/engine/money.h"
#include "print/page_builder.h"
#include "totals/asset_totals.h"

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr double LineHeight = 14;
constexpr double HeaderHeight = 70;
constexpr double FirstHeading = 24;

// A column of one of the schedule's three kinds of line, and what it prints from its row.
template <class Of>
struct Column
{
    const char *heading;
    double left;
    double width;
    Qt::Alignment alignment;
    std::function<QString(const Of &)> text;
    const char *name = ""; // items the masked copy finds
    bool amount = false;   // printed as money
};

QString money(double amount)
{
    return Report::printedMoney(amount);
}

QString optionalMoney(const std::optional<double> &amount)
{
    return amount ? money(*amount) : QString();
}

QString ratio(const std::optional<double> &percent)
{
    return percent ? QString::number(*percent, 'f', 1) + u'%' : QString();
}

// A stored percentage as the recomputation reads it; empty prints nothing.
QString percentage(const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull() || stored.toString().trimmed().isEmpty())
        return QString();
    return Field::formatFloat(propertyShare(100.0, stored)) + u'%';
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList given;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            given << part.trimmed();
    return given.join(separator);
}

QString address(const RealEstateRow &row)
{
    return joined({row.address, row.city, joined({row.state, row.zip}, QStringLiteral(" "))}, QStringLiteral(", "));
}

// Every amount column is 80 wide: the largest amount an amount control takes prints whole in
// it at the smallest size, clear of its neighbours.
const std::vector<Column<Property>> &propertyLine()
{
    static const std::vector<Column<Property>> columns = {
        {"Property", 0, 115, L,
         [](const Property &p) { return joined({QStringLiteral("Property %1").arg(p.number), p.row.description}, QStringLiteral(": ")); }},
        {"Address", 120, 170, L, [](const Property &p) { return address(p.row); }},
        {"Type", 295, 55, L, [](const Property &p) { return p.row.type; }},
        {"Occupancy", 355, 75, L, [](const Property &p) { return p.row.occupancy; }},
        {"Owned", 435, 32, R, [](const Property &p) { return percentage(p.row.percentOwned); }},
        {"Purchased", 472, 56, C, [](const Property &p) { return p.row.datePurchased; }},
        {"Original cost", 555, 80, R, [](const Property &p) { return money(p.row.originalCost); }, "", true},
        {"Market value", 640, 80, R, [](const Property &p) { return money(p.marketValue); }, "", true},
    };
    return columns;
}

const std::vector<Column<Property>> &figuresLine()
{
    static const std::vector<Column<Property>> columns = {
        {"Owned value", 80, 80, R, [](const Property &p) { return money(p.ownedShare); }, "", true},
        {"Rent/mo", 165, 80, R, [](const Property &p) { return money(p.row.monthlyRent); }, "", true},
        {"Taxes/mo", 250, 80, R, [](const Property &p) { return money(p.row.monthlyTaxes); }, "", true},
        {"Insurance/mo", 335, 80, R, [](const Property &p) { return money(p.row.monthlyInsurance); }, "", true},
        {"Dues/mo", 420, 80, R, [](const Property &p) { return money(p.row.monthlyDues); }, "", true},
        {"Net rental/mo", 505, 80, R, [](const Property &p) { return optionalMoney(p.netRentalIncome); }, "", true},
        {"Equity", 590, 80, R, [](const Property &p) { return money(p.equity); }, "", true},
        {"LTV", 675, 45, R, [](const Property &p) { return ratio(p.loanToValue); }},
    };
    return columns;
}

const std::vector<Column<RealEstateRow>> &lienLine()
{
    static const std::vector<Column<RealEstateRow>> columns = {
        {"Lien holder", 15, 195, L,
         [](const RealEstateRow &r) { return joined({r.lienHolder, r.lienHolderAddress}, QStringLiteral(", ")); }},
        {"Account", 215, 85, L, [](const RealEstateRow &r) { return r.lienAccountNumber; }, "LienAccountNumber"},
        {"Rate", 305, 35, R,
         [](const RealEstateRow &r) { return r.interestRate ? Field::formatFloat(*r.interestRate) + u'%' : QString(); }},
        {"Status", 345, 80, L, [](const RealEstateRow &r) { return r.lienStatus; }},
        {"Balance", 430, 80, R, [](const RealEstateRow &r) { return money(r.currentBalance); }, "", true},
        {"Owed", 515, 35, R, [](const RealEstateRow &r) { return percentage(r.percentLiability); }},
        {"Owed share", 555, 80, R, [](const RealEstateRow &r) { return money(r.owedShare()); }, "", true},
        {"Payment/mo", 640, 80, R, [](const RealEstateRow &r) { return money(r.monthlyPayment); }, "", true},
    };
    return columns;
}

template <class Of>
void addLine(std::vector<ItemSpec> &items, const std::vector<Column<Of>> &columns, const Of &of, double top,
             TextStyle style = regular(8))
{
    for (const Column<Of> &column : columns) {
        ItemSpec item = caption(column.text(of), column.left, top, column.width, column.alignment, style)
                            .named(QLatin1String(column.name));
        items.push_back(column.amount ? item.asAmount() : item);
    }
}

template <class Of>
void addHeadings(std::vector<ItemSpec> &items, const std::vector<Column<Of>> &columns, double top)
{
    for (const Column<Of> &column : columns)
        items.push_back(caption(QLatin1String(column.heading), column.left, top, column.width, column.alignment, bold(8)));
}

BandSpec pageHeader()
{
    BandSpec band;
    band.kind = Report::BandKind::PageHeader;
    band.height = HeaderHeight;
    band.items = {caption(QStringLiteral("Schedule of Real Estate Owned"), 0, 0, BandWidth, C, bold(12)),
                  bar(0, FirstHeading - 3, BandWidth, 3 * LineHeight + 4, HeadingGrey)};
    addHeadings(band.items, propertyLine(), FirstHeading);
    addHeadings(band.items, figuresLine(), FirstHeading + LineHeight);
    addHeadings(band.items, lienLine(), FirstHeading + 2 * LineHeight);
    return band;
}

// A block printed once and kept whole on a sheet.
void addBlock(PageSpec &page, BandSpec block)
{
    block.kind = Report::BandKind::GroupHeader;
    page.bands.push_back(std::move(block));
    BandSpec once;
    once.kind = Report::BandKind::SubDetail;
    page.bands.push_back(std::move(once));
}

BandSpec propertyBlock(const Property &property)
{
    BandSpec band;
    addLine(band.items, propertyLine(), property, 2, bold(8));
    addLine(band.items, figuresLine(), property, 2 + LineHeight);
    double top = 2 + 2 * LineHeight;
    for (const RealEstateRow *lien : property.lienLines()) {
        addLine(band.items, lienLine(), *lien, top);
        top += LineHeight;
    }
    band.height = top + 4;
    band.items.push_back(hrule(0, band.height - 2, BandWidth, 0.5));
    return band;
}

// Liens whose property is not on the statement still count in its totals: listed, each
// with the property it names.
BandSpec unplacedBlock(const std::vector<RealEstateRow> &liens)
{
    BandSpec band;
    band.items.push_back(caption(QStringLiteral("Liens on no property of this statement"), 0, 2, 0, L, bold(8)));
    double top = 2 + LineHeight;
    for (const RealEstateRow &lien : liens) {
        band.items.push_back(caption(QStringLiteral("\"%1\", on \"%2\"").arg(lien.description, lien.lienOnProperty), 15,
                                     top, 0, L, regular(8)));
        addLine(band.items, lienLine(), lien, top + LineHeight);
        top += 2 * LineHeight;
    }
    band.height = top + 4;
    band.items.push_back(hrule(0, band.height - 2, BandWidth, 0.5));
    return band;
}

BandSpec totalsBand(const StatementProperties &properties, Tdm1 &dm)
{
    const auto stored = [&dm](const char *field) { return dm.tblFSPro.FieldByName(QLatin1String(field)).AsFloat(); };
    const double value = stored("RealEstateTotalsAsset");
    const double owned = stored("RealEstateTotals");
    const double balance = stored("TMortgageLiabilitiesTotals");
    const double owed = stored("MortgageLiabilitiesTotals");
    double rent = 0, taxes = 0, insurance = 0, dues = 0, income = 0, payments = 0;
    for (const Property &p : properties.properties) {
        rent += p.row.monthlyRent;
        taxes += p.row.monthlyTaxes;
        insurance += p.row.monthlyInsurance;
        dues += p.row.monthlyDues;
        income += p.netRentalIncome.value_or(0);
        payments += p.monthlyPayment;
    }
    for (const RealEstateRow &lien : properties.unplacedLiens)
        payments += lien.monthlyPayment;

    const auto at = [](const auto &columns, const char *heading) {
        for (const auto &column : columns)
            if (QLatin1String(column.heading) == QLatin1String(heading))
                return column;
        Q_UNREACHABLE();
    };
    BandSpec band;
    band.kind = Report::BandKind::Summary;
    band.height = 6 + 3 * LineHeight;
    band.items.push_back(hrule(0, 1, BandWidth, 1));
    const auto put = [&band](const auto &column, double top, const QString &text) {
        const ItemSpec item = caption(text, column.left, top, column.width, column.alignment, bold(8));
        band.items.push_back(column.amount ? item.asAmount() : item);
    };
    const double first = 4, second = first + LineHeight, third = second + LineHeight;
    band.items.push_back(caption(QStringLiteral("Totals"), 0, first, 0, L, bold(8)));
    put(at(propertyLine(), "Market value"), first, money(value));
    put(at(figuresLine(), "Owned value"), second, money(owned));
    put(at(figuresLine(), "Rent/mo"), second, money(rent));
    put(at(figuresLine(), "Taxes/mo"), second, money(taxes));
    put(at(figuresLine(), "Insurance/mo"), second, money(insurance));
    put(at(figuresLine(), "Dues/mo"), second, money(dues));
    put(at(figuresLine(), "Net rental/mo"), second, money(income));
    put(at(figuresLine(), "Equity"), second, money(owned - owed));
    put(at(figuresLine(), "LTV"), second, ratio(loanToValue(balance, value)));
    put(at(lienLine(), "Balance"), third, money(balance));
    put(at(lienLine(), "Owed share"), third, money(owed));
    put(at(lienLine(), "Payment/mo"), third, money(payments));
    return band;
}

} // namespace

TqrRealEstateOwned::TqrRealEstateOwned(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrRealEstateOwned"))
{
    buildPage(layout(statementProperties(dm.db1, dm.CurrentClientId), dm), dm, *this);
}

PageSpec TqrRealEstateOwned::layout(const StatementProperties &properties, Tdm1 &dm)
{
    PageSpec page;
    page.bands.push_back(pageHeader());
    for (const Property &property : properties.properties)
        addBlock(page, propertyBlock(property));
    if (!properties.unplacedLiens.empty())
        addBlock(page, unplacedBlock(properties.unplacedLiens));
    page.bands.push_back(totalsBand(properties, dm));
    return page;
}

bool TqrRealEstateOwned::hasProperties(Tdm1 &dm)
{
    return !statementProperties(dm.db1, dm.CurrentClientId).properties.empty();
}
