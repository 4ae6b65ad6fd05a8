#include "sba413_figures.h"

#include <algorithm>
#include <numeric>

#include <QLocale>

#include "base/cents.h"
#include "data/engine/table.h"
#include "data/entry_lists.h"
#include "data/particulars.h"
#include "data/tdm1.h"
#include "lender/properties.h"
#include "totals/asset_totals.h"

namespace Sba413 {

qint64 cents(double amount)
{
    const qint64 whole = roundedCents(amount).toLongLong();
    return amount < 0 ? -whole : whole;
}

qint64 dollars(qint64 cents)
{
    // Floor division: half a dollar goes up, also below zero.
    const qint64 shifted = cents + 50;
    return shifted >= 0 ? shifted / 100 : -((-shifted + 99) / 100);
}

qint64 dollarsOf(double amount)
{
    return dollars(cents(amount));
}

namespace {

qint64 floorDollars(qint64 cents)
{
    return cents >= 0 ? cents / 100 : -((-cents + 99) / 100);
}

} // namespace

std::optional<std::vector<qint64>> apportioned(const std::vector<qint64> &lineCents, qint64 totalCents,
                                               qint64 totalDollars)
{
    const qint64 sum = std::accumulate(lineCents.begin(), lineCents.end(), qint64(0));
    // Our totals are sums of the same rows, rounded at most once a line.
    if (std::llabs(sum - totalCents) > qint64(lineCents.size()))
        return std::nullopt;
    std::vector<qint64> lines;
    std::vector<qint64> remainders;
    for (qint64 c : lineCents) {
        lines.push_back(floorDollars(c));
        remainders.push_back(c - 100 * lines.back());
    }
    qint64 missing = totalDollars - std::accumulate(lines.begin(), lines.end(), qint64(0));
    std::vector<size_t> order(lines.size());
    std::iota(order.begin(), order.end(), size_t(0));
    if (missing < 0) {
        // A dollar too many: from the lines with the smallest remainders, the last on a tie.
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return remainders[a] != remainders[b] ? remainders[a] < remainders[b] : a > b;
        });
        if (-missing > qint64(order.size()))
            return std::nullopt;
        for (size_t i = 0; missing < 0; ++i, ++missing)
            --lines[order[i]];
        return lines;
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return remainders[a] > remainders[b]; });
    if (missing > qint64(order.size()))
        return std::nullopt;
    for (size_t i = 0; missing > 0; ++i, --missing)
        ++lines[order[i]];
    return lines;
}

QString printed(qint64 dollars)
{
    QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(dollars);
}

QString printed(const std::optional<qint64> &dollars)
{
    return dollars ? printed(*dollars) : QString();
}

namespace {

// The statement's rows of a table in its grid order, read without moving its cursor.
class Rows
{
public:
    explicit Rows(Table &table) : m_table(table)
    {
        std::optional<RowKey> after;
        for (;;) {
            std::vector<TableRow> chunk = table.readRows(after, 256);
            if (chunk.empty())
                break;
            after = table.keyOf(chunk.back());
            const bool more = chunk.size() == 256;
            m_rows.insert(m_rows.end(), std::make_move_iterator(chunk.begin()), std::make_move_iterator(chunk.end()));
            if (!more)
                break;
        }
    }

    const std::vector<TableRow> &all() const { return m_rows; }

    QVariant value(const TableRow &row, const char *field) const
    {
        const QLatin1String name(field);
        for (int i = 0; i < m_table.FieldCount(); ++i)
            if (m_table.column(i).name.compare(name, Qt::CaseInsensitive) == 0)
                return i < row.values.size() ? row.values[i] : QVariant();
        return {};
    }
    QString text(const TableRow &row, const char *field) const { return value(row, field).toString().trimmed(); }
    // An empty amount is none; a text that is no number reads as 0.
    std::optional<double> maybe(const TableRow &row, const char *field) const
    {
        const QVariant v = value(row, field);
        if (!v.isValid() || v.isNull() || v.toString().trimmed().isEmpty())
            return std::nullopt;
        bool ok = false;
        const double d = v.toDouble(&ok);
        return ok ? d : 0.0;
    }
    double amount(const TableRow &row, const char *field) const { return maybe(row, field).value_or(0.0); }
    std::optional<qint64> dollarsOf(const TableRow &row, const char *field) const
    {
        const std::optional<double> a = maybe(row, field);
        return a ? std::optional<qint64>(Sba413::dollarsOf(*a)) : std::nullopt;
    }

private:
    Table &m_table;
    std::vector<TableRow> m_rows;
};

double stored(Tdm1 &dm, const char *field)
{
    const QVariant v = dm.tblFSPro.FieldByName(QLatin1String(field)).Value();
    return v.isNull() ? 0.0 : v.toDouble();
}

QString clientText(Tdm1 &dm, const char *field)
{
    return dm.tblClient.FieldByName(QLatin1String(field)).AsString().trimmed();
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    return kept.join(separator);
}

QString cityStateZip(const QString &city, const QString &state, const QString &zip)
{
    return joined({joined({city, state}, QStringLiteral(", ")), zip}, QStringLiteral(" "));
}

bool isOneOf(const QString &text, std::initializer_list<const char *> list)
{
    for (const char *entry : list)
        if (text.compare(QLatin1String(entry), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isSavings(const QString &type)
{
    return isOneOf(type, {"Savings Account", "Certificate of Deposit", "Certificated of Deposit", "Money Market Account"});
}

bool isRetirement(const QString &type)
{
    return isOneOf(type, {InvestmentType::K401, InvestmentType::Retirement, InvestmentType::SepIra});
}

ContingentLine contingentLine(const QString &category, const QString &description)
{
    return ContingentLine(EntryLists::contingentCategories().indexOf(EntryLists::contingentCategoryOf(category, description)));
}

std::optional<LiabilityLine> otherCategoryLine(const QString &category)
{
    if (isOneOf(category, {"Installment Account"}))
        return LiabilityLine::InstallmentOther;
    if (isOneOf(category, {"Loan Against Life Insurance"}))
        return LiabilityLine::LifeInsuranceLoans;
    return std::nullopt;
}

QString pledged(const Rows &rows, const TableRow &row)
{
    if (rows.text(row, "Pledged").compare(QLatin1String("Yes"), Qt::CaseInsensitive) != 0)
        return QString();
    const QString to = rows.text(row, "PledgedTo");
    return to.isEmpty() ? QStringLiteral("pledged") : QStringLiteral("pledged to ") + to;
}

// The percentage as entered, without trailing zeros ("50 %", "33.5 %").
QString percentText(double percent)
{
    return QString::number(percent, 'g', 15) + QStringLiteral(" %");
}

// Below 100 %, the share beside the whole: "(50 % owned: 120,000)".
QString shareLine(const QVariant &percent, double share, const char *kind)
{
    const double whole = propertyShare(100.0, percent);
    if (whole >= 100.0)
        return QString();
    return QStringLiteral("(") + percentText(whole) + u' ' + QLatin1String(kind) + QStringLiteral(": ") +
           printed(dollarsOf(share)) + u')';
}

Lien lienOf(const RealEstateRow &row)
{
    Lien lien;
    lien.holder = joined({row.lienHolder, row.lienHolderAddress}, QStringLiteral(", "));
    lien.account = row.lienAccountNumber;
    lien.balance = joined({printed(dollarsOf(row.currentBalance)), shareLine(row.percentLiability, row.owedShare(), "owed")},
                          QStringLiteral(" "));
    lien.payment = row.monthlyPayment != 0 ? printed(dollarsOf(row.monthlyPayment)) + QStringLiteral("/mo") : QString();
    lien.status = row.lienStatus;
    return lien;
}

// Section 4: a column per property with its liens, first lien first; a lien that names no
// property of the statement still counts in the mortgages, so it gets a column of its own.
void readProperties(Tdm1 &dm, Figures &f)
{
    const StatementProperties all = statementProperties(dm.db1, dm.CurrentClientId);
    for (const ::Property &p : all.properties) {
        PropertyColumn column;
        const RealEstateRow &row = p.row;
        column.type = row.occupancy.isEmpty() ? row.type : joined({row.type, u'(' + row.occupancy + u')'}, QStringLiteral(" "));
        column.address = joined({row.address, cityStateZip(row.city, row.state, row.zip)}, QStringLiteral("\n"));
        column.datePurchased = row.datePurchased;
        column.originalCost = row.originalCost != 0 ? printed(dollarsOf(row.originalCost)) : QString();
        column.marketValue = joined({printed(dollarsOf(p.marketValue)), shareLine(row.percentOwned, p.ownedShare, "owned")},
                                    QStringLiteral("\n"));
        for (const RealEstateRow *lien : p.lienLines())
            column.liens.push_back(lienOf(*lien));
        f.properties.push_back(std::move(column));
    }
    for (const RealEstateRow &lien : all.unplacedLiens) {
        PropertyColumn column;
        column.type = QStringLiteral("Lien on \u201c") + lien.lienOnProperty + QStringLiteral("\u201d");
        column.liens.push_back(lienOf(lien));
        f.properties.push_back(std::move(column));
    }
}

void readParticulars(Tdm1 &dm, Figures &f)
{
    const auto yes = [&dm](const char *field) {
        return clientText(dm, field).compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
    };
    f.programs = {yes("ProgramDisaster"), yes("ProgramWOSB"), yes("Program8a"), yes("ProgramLoans")};
    f.asOf = dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed();
    f.joint = Particulars::isJoint(clientText(dm, "SFirstName"), clientText(dm, "SLastName"));
    f.first = {clientText(dm, "FullName2"), clientText(dm, "SSN")};
    if (f.joint)
        f.second = {clientText(dm, "SFullName2"), clientText(dm, "SSSN")};
    f.name = f.joint ? joined({f.first.name, f.second.name}, QStringLiteral(" and ")) : f.first.name;
    f.homeAddress = clientText(dm, "Address");
    f.cityStateZip = cityStateZip(clientText(dm, "City"), clientText(dm, "State"), clientText(dm, "Zip"));
    f.homePhone = clientText(dm, "PersonalPhone");
    f.businessPhone = clientText(dm, "BusinessPhone");
    f.businessName = clientText(dm, "BusinessName");
    f.businessAddress = joined({clientText(dm, "BusinessAddress"),
                                cityStateZip(clientText(dm, "BusinessCity"), clientText(dm, "BusinessState"),
                                             clientText(dm, "BusinessZip"))},
                               QStringLiteral(", "));
    f.businessType = clientText(dm, "BusinessType");
    const QString marital = clientText(dm, "MaritalStatus");
    if (!marital.isEmpty())
        f.married = marital.compare(QLatin1String("Married"), Qt::CaseInsensitive) == 0;
}

} // namespace

Figures figuresOf(Tdm1 &dm)
{
    Figures f;
    readParticulars(dm, f);

    // Page 1: every line summed from its rows, unrounded, then in cents.
    std::array<double, AssetLineCount> assets{};
    std::array<double, LiabilityLineCount> liabilities{};
    const auto asset = [&assets](AssetLine line) -> double & { return assets[size_t(line)]; };
    const auto liability = [&liabilities](LiabilityLine line) -> double & { return liabilities[size_t(line)]; };

    const Rows cash(dm.tblCash);
    for (const TableRow &row : cash.all())
        asset(isSavings(cash.text(row, "Type")) ? AssetLine::Savings : AssetLine::CashOnHand) += cash.amount(row, "Balance");

    const Rows investments(dm.tblInvestments);
    for (const TableRow &row : investments.all()) {
        const QString type = investments.text(row, "InvestmentType");
        const double value = investments.amount(row, "MarketValue");
        if (isRetirement(type)) {
            asset(AssetLine::Retirement) += value;
            f.otherProperty.push_back(
                {joined({investments.text(row, "Description"), type, investments.text(row, "RegisteredName"),
                         pledged(investments, row)},
                        QStringLiteral(", ")),
                 investments.dollarsOf(row, "MarketValue")});
            continue;
        }
        asset(AssetLine::StocksAndBonds) += value;
        f.securities.push_back({investments.text(row, "Shares"), investments.text(row, "Description"),
                                investments.dollarsOf(row, "PurchasePrice"), investments.text(row, "Exchange"),
                                investments.text(row, "QuotationDate"), investments.dollarsOf(row, "MarketValue")});
    }

    const Rows receivables(dm.tblOtherAssets);
    std::vector<DescribedAmount> otherAssetEntries;
    for (const TableRow &row : receivables.all()) {
        const QString type = receivables.text(row, "Type");
        const bool receivable = type.compare(QLatin1String(OtherAssetType::NotesReceivable), Qt::CaseInsensitive) == 0;
        asset(receivable ? AssetLine::Receivable : AssetLine::OtherAssets) += receivables.amount(row, "Value");
        otherAssetEntries.push_back(
            {joined({type, receivables.text(row, "Description"), receivables.text(row, "Registered")}, QStringLiteral(", ")),
             receivables.dollarsOf(row, "Value")});
    }

    const Rows life(dm.tblLifeInsurance);
    for (const TableRow &row : life.all()) {
        asset(AssetLine::LifeInsurance) += life.amount(row, "CashValue");
        f.policies.push_back({joined({life.text(row, "Company"), pledged(life, row)}, QStringLiteral(", ")),
                              life.text(row, "Insured"), life.text(row, "Beneficiary"), life.dollarsOf(row, "FaceValue"),
                              life.dollarsOf(row, "CashValue")});
    }

    const Rows realEstate(dm.tblRealEstate);
    for (const TableRow &row : realEstate.all()) {
        asset(AssetLine::RealEstate) += propertyShare(realEstate.amount(row, "MarketValue"), realEstate.value(row, "PercentOwned"));
        liability(LiabilityLine::Mortgages) +=
            propertyShare(realEstate.amount(row, "CurrentBalance"), realEstate.value(row, "PercentLiability"));
    }

    // Section 5 in the design's order: automobiles and their loans, retirement accounts (read
    // above), receivables and other assets, business interests, personal property.
    std::vector<DescribedAmount> section5;
    const Rows autos(dm.tblAuto);
    double autoPayments = 0;
    for (const TableRow &row : autos.all()) {
        asset(AssetLine::Automobiles) += autos.amount(row, "CurrentValue");
        autoPayments += autos.amount(row, "MonthlyPayment");
        QString text = joined({autos.text(row, "Year"), autos.text(row, "Model")}, QStringLiteral(" "));
        if (const std::optional<double> payment = autos.maybe(row, "MonthlyPayment"))
            text = joined({text, QStringLiteral("monthly payment $") + printed(dollarsOf(*payment))}, QStringLiteral(", "));
        section5.push_back({text, autos.dollarsOf(row, "CurrentValue")});
    }
    const Rows autoLoans(dm.tblAuto2);
    for (const TableRow &row : autoLoans.all()) {
        liability(LiabilityLine::InstallmentAuto) += autoLoans.amount(row, "LoanBalance");
        section5.push_back({joined({autoLoans.text(row, "Description"), QStringLiteral("lien holder ") + autoLoans.text(row, "LienHolder"),
                                    QStringLiteral("loan balance $") + printed(autoLoans.dollarsOf(row, "LoanBalance").value_or(0))},
                                   QStringLiteral(", ")),
                            std::nullopt});
    }
    section5.insert(section5.end(), f.otherProperty.begin(), f.otherProperty.end());
    section5.insert(section5.end(), otherAssetEntries.begin(), otherAssetEntries.end());
    const Rows business(dm.tblBusinessAssets);
    for (const TableRow &row : business.all()) {
        asset(AssetLine::OtherAssets) += business.amount(row, "Value");
        section5.push_back({joined({business.text(row, "Description"), business.text(row, "Registered")}, QStringLiteral(", ")),
                            business.dollarsOf(row, "Value")});
    }
    const Rows personal(dm.tblPersonalAssets);
    for (const TableRow &row : personal.all()) {
        asset(AssetLine::PersonalProperty) += personal.amount(row, "Value");
        section5.push_back({joined({personal.text(row, "Description"), personal.text(row, "Registered")}, QStringLiteral(", ")),
                            personal.dollarsOf(row, "Value")});
    }
    f.otherProperty = std::move(section5);

    const Rows cards(dm.tblCreditCards);
    for (const TableRow &row : cards.all())
        liability(LiabilityLine::AccountsPayable) += cards.amount(row, "CurrentBalance");

    const Rows bank(dm.tblBank);
    for (const TableRow &row : bank.all()) {
        liability(LiabilityLine::NotesPayable) += bank.amount(row, "Amount");
        f.notes.push_back({bank.text(row, "Bank"), bank.text(row, "BankAddress"), bank.dollarsOf(row, "OriginalBalance"),
                           bank.dollarsOf(row, "Amount"), bank.dollarsOf(row, "PaymentAmount"),
                           bank.text(row, "PaymentFrequency"), bank.text(row, "Collateral")});
    }

    const Rows taxes(dm.tblTaxes);
    for (const TableRow &row : taxes.all()) {
        liability(LiabilityLine::UnpaidTaxes) += taxes.amount(row, "Amount");
        f.taxes.push_back({taxes.text(row, "Description"), taxes.text(row, "PayableTo"), taxes.text(row, "DueDate"),
                           taxes.dollarsOf(row, "Amount"), taxes.text(row, "Explanation")});
    }

    const Rows other(dm.tblOther);
    double otherPayments = 0;
    for (const TableRow &row : other.all()) {
        const std::optional<LiabilityLine> line = otherCategoryLine(other.text(row, "Category"));
        liability(line.value_or(LiabilityLine::OtherLiabilities)) += other.amount(row, "Amount");
        if (line == LiabilityLine::InstallmentOther)
            otherPayments += other.amount(row, "MonthlyPayment");
        QString description = other.text(row, "Description");
        if (line)
            description = joined({description, line == LiabilityLine::InstallmentOther ? QStringLiteral("(Installment Account (Other))")
                                                                                     : QStringLiteral("(Loan(s) Against Life Insurance)")},
                                 QStringLiteral(" "));
        f.otherLiabilities.push_back({description, other.dollarsOf(row, "Amount"), other.dollarsOf(row, "MonthlyPayment")});
    }

    // Totals from ours; the lines apportioned to them.
    const qint64 totalAssetsCents = cents(stored(dm, "TotalAssets"));
    const qint64 netWorthCents = cents(stored(dm, "NetWorth"));
    f.totalAssets = dollars(totalAssetsCents);
    f.netWorth = dollars(netWorthCents);
    f.totalLiabilities = f.totalAssets - f.netWorth;
    f.totalLiabilitiesAndNetWorth = f.totalAssets;

    std::vector<qint64> assetCents;
    for (double a : assets)
        assetCents.push_back(cents(a));
    std::vector<qint64> liabilityCents;
    for (double l : liabilities)
        liabilityCents.push_back(cents(l));
    const std::optional<std::vector<qint64>> assetDollars = apportioned(assetCents, totalAssetsCents, f.totalAssets);
    // Total liabilities as our totals hold them: assets less net worth, which must agree
    // with the stored total liabilities to the cent.
    const qint64 liabilitiesCents = cents(stored(dm, "TotalLiabilities"));
    const bool totalsAgree = std::llabs(totalAssetsCents - netWorthCents - liabilitiesCents) <= 1;
    const std::optional<std::vector<qint64>> liabilityDollars =
        totalsAgree ? apportioned(liabilityCents, liabilitiesCents, f.totalLiabilities) : std::nullopt;
    f.assetsAddUp = assetDollars.has_value();
    f.liabilitiesAddUp = liabilityDollars.has_value();
    for (int i = 0; i < AssetLineCount; ++i)
        f.assets[size_t(i)] = assetDollars ? (*assetDollars)[size_t(i)] : dollars(assetCents[size_t(i)]);
    for (int i = 0; i < LiabilityLineCount; ++i)
        f.liabilities[size_t(i)] = liabilityDollars ? (*liabilityDollars)[size_t(i)] : dollars(liabilityCents[size_t(i)]);
    if (!f.liabilitiesAddUp) {
        f.totalLiabilities = dollars(liabilitiesCents);
        f.totalLiabilitiesAndNetWorth = dollarsOf(stored(dm, "TotalLiabilitiesandNetWorth"));
    }
    f.autoPayments = dollarsOf(autoPayments);
    f.otherInstallmentPayments = dollarsOf(otherPayments);

    // Section 1.
    std::array<double, 4> income{};
    const Rows incomes(dm.tblIncomes);
    for (const TableRow &row : incomes.all()) {
        const QString type = incomes.text(row, "Type");
        IncomeLine line = IncomeLine::OtherIncome;
        if (isOneOf(type, {IncomeType::SalaryIndividual, IncomeType::SalarySpouse, IncomeType::Bonus}))
            line = IncomeLine::Salary;
        else if (isOneOf(type, {IncomeType::Dividends}))
            line = IncomeLine::InvestmentIncome;
        else if (isOneOf(type, {IncomeType::RealEstate}))
            line = IncomeLine::RealEstateIncome;
        income[size_t(line)] += incomes.amount(row, "Amount");
        if (line == IncomeLine::OtherIncome)
            f.otherIncome.push_back({incomes.text(row, "Description"), incomes.dollarsOf(row, "Amount")});
    }
    for (size_t i = 0; i < income.size(); ++i)
        f.income[i] = dollarsOf(income[i]);
    std::array<double, 4> contingent{};
    const Rows contingents(dm.tblContingent);
    for (const TableRow &row : contingents.all())
        contingent[size_t(contingentLine(contingents.text(row, "Category"), contingents.text(row, "Description")))] +=
            contingents.amount(row, "Amount");
    for (size_t i = 0; i < contingent.size(); ++i)
        f.contingent[i] = dollarsOf(contingent[i]);

    readProperties(dm, f);
    return f;
}

} // namespace Sba413
