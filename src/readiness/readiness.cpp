#include "readiness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "base/dates.h"
#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/engine/sql_identifier.h"
#include "data/entry_lists.h"
#include "data/legal_questions.h"
#include "data/particulars.h"
#include "data/tdm1.h"
#include "totals/asset_totals.h"
#include "totals/category_sum.h"
#include "totals/income_expense_totals.h"
#include "totals/liability_totals.h"
#include "totals/printed_figures.h"

namespace {

using Fix = ReadinessFinding::Fix;

// Amounts closer than this to the sum of their rows agree (they print alike).
constexpr double TotalsTolerance = 0.005;

// Queries of the current statement's rows as the file holds them, its Id bound as ?1.
class StatementQueries
{
public:
    explicit StatementQueries(Tdm1 &dm) : m_dm(dm), m_id(dm.CurrentClientId) {}

    // Runs a query of the statement (?1) and hands each row to use.
    // Further texts are bound from ?2 on.
    template <class Use>
    void rows(const std::string &sql, Use &&use, const std::vector<QString> &more = {})
    {
        Query query(m_dm.db1, sql);
        query.bind(1, m_id);
        for (size_t i = 0; i < more.size(); ++i)
            query.bind(int(i) + 2, more[i]);
        while (query.next())
            use(query);
    }
    template <class Use>
    void rows(const std::string &sql, Use &&use, const char *second)
    {
        rows(sql, std::forward<Use>(use), second ? std::vector<QString>{QString::fromUtf8(second)} : std::vector<QString>{});
    }
    double number(const std::string &sql, const char *second = nullptr)
    {
        double value = 0;
        rows(sql, [&](Query &q) { value = q.real(0); }, second);
        return value;
    }

private:
    Tdm1 &m_dm;
    QString m_id;
};

void checkDate(Tdm1 &dm, const QDate &today, ReadinessForm form, std::vector<ReadinessFinding> &findings)
{
    const QString stored = dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed();
    if (stored.isEmpty()) {
        findings.push_back({QStringLiteral("The statement has no date. Copy it as of today on the Overview."),
                            Fix::Overview, {}});
        return;
    }
    const std::optional<QDate> date = Dates::parseExact(stored);
    if (!date) {
        findings.push_back(
            {QStringLiteral("The statement's date \"%1\" is not a date. Copy it as of today on the Overview.").arg(stored),
             Fix::Overview, {}});
        return;
    }
    const qint64 age = date->daysTo(today);
    if (form == ReadinessForm::Sba413 && age < 0) {
        findings.push_back({QStringLiteral("The statement is dated %1, after today; the form's figures must be as of a "
                                           "day that has passed.")
                                .arg(stored),
                            Fix::Overview, {}});
        return;
    }
    const int maximum = readinessMaximumAgeDays(form);
    if (age > maximum)
        findings.push_back({QStringLiteral("The statement is dated %1, %2 days ago; lenders want one dated within the "
                                           "last %3 days. Copy it as of today on the Overview.")
                                .arg(stored)
                                .arg(age)
                                .arg(maximum),
                            Fix::Overview, {}});
}

void checkParticulars(Tdm1 &dm, bool spouse, std::vector<ReadinessFinding> &findings)
{
    Table &client = dm.tblClient;
    const QString prefix = spouse ? QStringLiteral("S") : QString();
    const QString whose = spouse ? QStringLiteral("The spouse's") : QStringLiteral("The holder's");
    const StatementWindow window = spouse ? StatementWindow::SpouseInformation : StatementWindow::PersonalInformation;
    const auto empty = [&](const char *field) {
        return client.FieldByName(prefix + QLatin1String(field)).AsString().trimmed().isEmpty();
    };
    if (empty("SSN"))
        findings.push_back({whose + QStringLiteral(" social security number is missing."), Fix::OpenWindow, window});
    if (empty("Birthday"))
        findings.push_back({whose + QStringLiteral(" birth date is missing."), Fix::OpenWindow, window});
    if (empty("Address") || empty("City") || empty("State") || empty("Zip"))
        findings.push_back(
            {whose + QStringLiteral(" address is missing or incomplete (street, city, state and zip code)."),
             Fix::OpenWindow, window});
}

void checkLegal(Tdm1 &dm, std::vector<ReadinessFinding> &findings)
{
    Table &legal = dm.tblLegal;
    legal.First();
    if (legal.Eof())
        return;
    for (const LegalQuestion &q : legalQuestions()) {
        if (legal.FieldByName(QLatin1String(q.answerField)).AsString() == QLatin1String("Yes")
            && legal.FieldByName(QLatin1String(q.explanationField)).AsString().trimmed().isEmpty())
            findings.push_back({QStringLiteral("The legal question \"%1\" is answered \"Yes\", but \"%2\" is left empty.")
                                    .arg(QLatin1String(q.text), QLatin1String(q.explanationCaption)),
                                Fix::OpenWindow, q.window});
    }
}

void checkMortgages(StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    queries.rows("SELECT Description, LienHolder, PercentLiability FROM RealEstate WHERE ClientId = ?1 "
                "AND CurrentBalance > 0 ORDER BY rowid",
                [&](Query &q) {
                    const QString property = q.text(0);
                    if (q.text(1).trimmed().isEmpty())
                        findings.push_back({QStringLiteral("The property \"%1\" has a mortgage balance but no lender "
                                                           "in the mortgages schedule.")
                                                .arg(property),
                                            Fix::OpenWindow, StatementWindow::Mortgages});
                    else if (q.isNull(2) || q.real(2) <= 0)
                        findings.push_back({QStringLiteral("The property \"%1\" has a mortgage balance but no share "
                                                           "owed in the mortgages schedule.")
                                                .arg(property),
                                            Fix::OpenWindow, StatementWindow::Mortgages});
                });
}

// Every auto paid for monthly needs a loan among the auto liabilities. Which loan is whose
// the statement does not say, so only a shortfall is a fault: fewer loans than such autos.
void checkAutoLoans(StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    QStringList paidMonthly;
    queries.rows("SELECT Description, Model FROM Auto WHERE ClientId = ?1 AND MonthlyPayment > 0 ORDER BY rowid",
                [&](Query &q) {
                    const QString description = q.text(0).trimmed();
                    paidMonthly << (description.isEmpty() ? q.text(1).trimmed() : description);
                });
    const auto loans = qint64(queries.number("SELECT COUNT(*) FROM Autos2 WHERE ClientId = ?1"));
    const auto autos = qint64(paidMonthly.size());
    if (autos <= loans)
        return;
    QString text;
    if (autos == 1)
        text = QStringLiteral("The auto \"%1\" has a monthly payment, but no auto loan is entered.").arg(paidMonthly[0]);
    else if (loans == 0)
        text = QStringLiteral("%1 autos have a monthly payment, but no auto loan is entered.").arg(autos);
    else
        text = QStringLiteral("%1 autos have a monthly payment, but only %2 auto loan%3 entered.")
                   .arg(autos)
                   .arg(loans)
                   .arg(loans == 1 ? " is" : "s are");
    findings.push_back({text, Fix::OpenWindow, StatementWindow::AutoLoans});
}

std::string quotedName(const char *name)
{
    return quoteIdentifier(QLatin1String(name)).toStdString();
}

// The amounts the recomputations sum that are never below zero on a sound statement, each
// reported by the window it is entered in, in the order of the windows.
void checkNegativeAmounts(Tdm1 &dm, StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    std::vector<ReadinessFinding> found;
    const auto count = [&](const QString &table, const char *field, const char *what, StatementWindow window,
                           const std::string &condition = {}, const std::vector<QString> &binds = {}) {
        const std::string sql = "SELECT COUNT(*) FROM " + quoteIdentifier(table).toStdString()
            + " WHERE ClientId = ?1 AND " + quotedName(field) + " < 0" + condition;
        qint64 rows = 0;
        queries.rows(sql, [&](Query &q) { rows = q.integer(0); }, binds);
        if (rows > 0)
            found.push_back({QStringLiteral("%1 row%2 with a negative amount where only positive ones make "
                                            "sense: %3.")
                                 .arg(rows)
                                 .arg(rows == 1 ? "" : "s")
                                 .arg(QLatin1String(what)),
                             Fix::OpenWindow, window});
    };
    for (const CategorySum *category : everyCategorySum())
        for (const SummedField &f : category->fields)
            if (f.positive)
                count((dm.*category->table).TableName(), f.rowField, f.positive, category->window);
    for (const PropertyShareRule &rule : propertyShareRules()) {
        count(dm.tblRealEstate.TableName(), rule.whole, rule.wholeText, rule.window);
        count(dm.tblRealEstate.TableName(), rule.percent, rule.percentText, rule.window);
    }
    for (const ItemTotals *items : {&incomeTotals(), &expenseTotals()}) {
        std::string condition;
        std::vector<QString> lossTypes;
        for (const TypeTotal &type : items->types)
            if (type.mayBeNegative) {
                condition += " AND Type <> ?" + std::to_string(lossTypes.size() + 2);
                lossTypes.push_back(QString::fromUtf8(type.type));
            }
        count((dm.*items->table).TableName(), "Amount", items->positive, items->window, condition, lossTypes);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const ReadinessFinding &a, const ReadinessFinding &b) { return a.window < b.window; });
    findings.insert(findings.end(), found.begin(), found.end());
}

// A property's shares (its owned value and owed balance) by the real-estate recomputation's
// own rule, beside the ones its row stores, in the order of propertyShareRules().
struct PropertyShares
{
    QString property;
    std::array<double, 2> formed{};
    std::array<double, 2> stored{};
};

std::vector<PropertyShares> propertyShares(Tdm1 &dm, StatementQueries &queries)
{
    std::string sql = "SELECT Description";
    for (const PropertyShareRule &rule : propertyShareRules())
        sql += ", " + quotedName(rule.whole) + ", " + quotedName(rule.percent) + ", " + quotedName(rule.share);
    sql += " FROM " + quoteIdentifier(dm.tblRealEstate.TableName()).toStdString() + " WHERE ClientId = ?1 ORDER BY rowid";
    std::vector<PropertyShares> properties;
    queries.rows(sql, [&](Query &q) {
        PropertyShares shares{q.text(0)};
        for (size_t i = 0; i < propertyShareRules().size(); ++i) {
            const int column = 1 + 3 * int(i);
            shares.formed[i] = propertyShare(q.real(column), q.value(column + 1));
            shares.stored[i] = q.real(column + 2);
        }
        properties.push_back(shares);
    });
    return properties;
}

bool agrees(double stored, double summed)
{
    return std::fabs(stored - summed) < TotalsTolerance;
}

// What a recomputation would write into a figure of the totals row, formed from the rows in
// the file, and the figures it is formed from (each with its factor).
struct FromRows
{
    double rows = 0;
    std::vector<std::pair<QString, double>> parts;
    // The sum of figures the rows themselves store, where the figure is formed of those.
    std::optional<double> ofRowFigures = {};
};
using Expectations = std::map<QString, FromRows>;

double rowSum(StatementQueries &queries, const QString &table, const std::string &expression,
              const char *typeField = nullptr, const char *typeText = nullptr)
{
    std::string sql =
        "SELECT TOTAL(" + expression + ") FROM " + quoteIdentifier(table).toStdString() + " WHERE ClientId = ?1";
    if (typeField)
        sql += " AND " + quotedName(typeField) + " = ?2";
    return queries.number(sql, typeText);
}

// Read from the recomputations' own tables, so the rules are those the totals were formed by.
Expectations expectationsFromRows(Tdm1 &dm, StatementQueries &queries, const std::vector<PropertyShares> &properties)
{
    Expectations e;
    for (const CategorySum *category : everyCategorySum()) {
        const QString table = (dm.*category->table).TableName();
        for (const SummedField &f : category->fields)
            e[QLatin1String(f.totalsField)].rows = rowSum(
                queries, table, quotedName(f.rowField) + " * " + std::to_string(f.factor), f.typeField, f.typeText);
        // An all-rows sum holds the sums by type of the same field (and the rows of other types).
        for (const SummedField &all : category->fields) {
            if (all.typeField)
                continue;
            for (const SummedField &typed : category->fields)
                if (typed.typeField && qstrcmp(typed.rowField, all.rowField) == 0 && typed.factor == all.factor)
                    e[QLatin1String(all.totalsField)].parts.push_back({QLatin1String(typed.totalsField), 1.0});
        }
    }
    for (const ItemTotals *items : {&incomeTotals(), &expenseTotals()}) {
        const QString table = (dm.*items->table).TableName();
        FromRows &all = e[QLatin1String(items->all.yearly)];
        all.rows = rowSum(queries, table, "Amount");
        for (const TypeTotal &type : items->types) {
            e[QLatin1String(type.yearly)].rows = rowSum(queries, table, "Amount", "Type", type.type);
            all.parts.push_back({QLatin1String(type.yearly), 1.0});
        }
        std::vector<TypeTotal> pairs = items->types;
        pairs.push_back(items->all);
        for (const TypeTotal &pair : pairs)
            e[QLatin1String(pair.monthly)] = {e[QLatin1String(pair.yearly)].rows / 12.0,
                                              {{QLatin1String(pair.yearly), 1.0 / 12.0}}};
    }
    const QString realEstate = dm.tblRealEstate.TableName();
    for (size_t i = 0; i < propertyShareRules().size(); ++i) {
        const PropertyShareRule &rule = propertyShareRules()[i];
        e[QLatin1String(rule.wholeTotal)].rows = rowSum(queries, realEstate, quotedName(rule.whole));
        FromRows &shares = e[QLatin1String(rule.shareTotal)];
        for (const PropertyShares &property : properties)
            shares.rows += property.formed[i];
        shares.ofRowFigures = rowSum(queries, realEstate, quotedName(rule.share));
    }

    const auto sumOf = [&e](const std::vector<const char *> &parts) {
        FromRows sum;
        for (const char *part : parts) {
            sum.rows += e[QLatin1String(part)].rows;
            sum.parts.push_back({QLatin1String(part), 1.0});
        }
        return sum;
    };
    const FromRows assets = e[QStringLiteral("TotalAssets")] = sumOf(totalAssetsParts());
    const FromRows liabilities = e[QStringLiteral("TotalLiabilities")] = sumOf(totalLiabilitiesParts());
    // As net worth and its balancing line are formed.
    const double netWorth = assets.rows - liabilities.rows;
    e[QStringLiteral("NetWorth")] = {netWorth, {{QStringLiteral("TotalAssets"), 1.0}, {QStringLiteral("TotalLiabilities"), -1.0}}};
    e[QStringLiteral("TotalLiabilitiesandNetWorth")] = {
        liabilities.rows + netWorth, {{QStringLiteral("TotalLiabilities"), 1.0}, {QStringLiteral("NetWorth"), 1.0}}};
    return e;
}

// Every printed figure against its rows. A figure that differs from its rows but agrees with
// the stored figures it is formed from is left to the finding on those: a stale category is
// reported once, not again in every total above it (a property's stale share is found by
// checkPropertyShares).
void checkTotals(Tdm1 &dm, StatementQueries &queries, const std::vector<PropertyShares> &properties,
                 std::vector<ReadinessFinding> &findings)
{
    Table &totals = dm.tblFSPro;
    const auto stored = [&](const QString &field) {
        const QString text = totals.FieldByName(field).AsString();
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok ? value : 0.0;
    };
    std::set<QString> printed;
    for (const PrintedFigureGroup &group : printedFigures())
        for (const PrintedFigure &figure : group.figures)
            printed.insert(QLatin1String(figure.field));

    const Expectations expected = expectationsFromRows(dm, queries, properties);
    for (const PrintedFigureGroup &group : printedFigures()) {
        for (const PrintedFigure &figure : group.figures) {
            const QString field = QLatin1String(figure.field);
            const FromRows &fromRows = expected.at(field);
            const double value = stored(field);
            if (agrees(value, fromRows.rows) || (fromRows.ofRowFigures && agrees(value, *fromRows.ofRowFigures)))
                continue;
            bool formedOfPrinted = !fromRows.parts.empty();
            double formed = fromRows.rows;
            for (const auto &[part, factor] : fromRows.parts) {
                formedOfPrinted = formedOfPrinted && printed.count(part);
                formed += factor * (stored(part) - expected.at(part).rows);
            }
            if (formedOfPrinted && agrees(value, formed))
                continue;
            findings.push_back({QStringLiteral("%1: the stored total differs from the sum of its rows.")
                                    .arg(QLatin1String(figure.caption)),
                                Fix::Recompute, {}, value, fromRows.rows, field});
        }
    }
}

// Each property's owned value and owed balance, which schedules B and J print beside it.
void checkPropertyShares(const std::vector<PropertyShares> &properties, std::vector<ReadinessFinding> &findings)
{
    for (const PropertyShares &property : properties)
        for (size_t i = 0; i < propertyShareRules().size(); ++i) {
            const PropertyShareRule &rule = propertyShareRules()[i];
            if (!agrees(property.stored[i], property.formed[i]))
                findings.push_back({QStringLiteral("The property \"%1\": its %2 differs from its row.")
                                        .arg(property.property, QLatin1String(rule.shareText)),
                                    Fix::Recompute, {}, property.stored[i], property.formed[i],
                                    QLatin1String(rule.share)});
        }
}

// The findings a lender's form adds: what the form prints that the statement does not need.

using Form = ReadinessForm;

bool emptyText(Query &q, int column)
{
    return q.text(column).trimmed().isEmpty();
}

void checkBusiness(Tdm1 &dm, std::vector<ReadinessFinding> &findings)
{
    const auto field = [&dm](const char *name) {
        return dm.tblClient.FieldByName(QLatin1String(name)).AsString().trimmed();
    };
    const auto add = [&](const char *text) {
        findings.push_back({QString::fromUtf8(text), Fix::OpenWindow, StatementWindow::PersonalEmployment});
    };
    if (field("BusinessName").isEmpty())
        add("The business applying for the loan is not named.");
    if (field("BusinessType").isEmpty())
        add("The business's type of entity is not chosen.");
    bool program = false;
    for (const char *name : {"ProgramLoans", "Program8a", "ProgramWOSB", "ProgramDisaster"})
        program = program || field(name) == QLatin1String("Yes");
    if (!program)
        add("No program is chosen for the form (7(a), 504 or surety bond; 8(a); WOSB; disaster loan).");
}

void checkNotes(StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    struct Missing
    {
        const char *field;
        const char *what;
    };
    static const Missing missing[] = {{"OriginalBalance", "original balance"}, {"PaymentAmount", "payment amount"},
                                      {"PaymentFrequency", "payment frequency"}, {"Collateral", "collateral"},
                                      {"BankAddress", "noteholder's address"}};
    queries.rows("SELECT Description, OriginalBalance, PaymentAmount, PaymentFrequency, Collateral, BankAddress "
                 "FROM Bank WHERE ClientId = ?1 ORDER BY Description COLLATE NOCASE, rowid",
                 [&](Query &q) {
                     for (int i = 0; i < 5; ++i)
                         if (emptyText(q, i + 1))
                             findings.push_back({QStringLiteral("The note \"%1\" has no %2.")
                                                     .arg(q.text(0), QLatin1String(missing[i].what)),
                                                 Fix::OpenWindow, StatementWindow::BankNotes});
                 });
}

// The rows the form lists as stocks and bonds: every investment but the retirement accounts.
void checkQuotations(Tdm1 &dm, StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    const std::optional<QDate> asOf =
        Dates::parseExact(dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed());
    queries.rows(
        "SELECT Description, QuotationDate FROM Investments WHERE ClientId = ?1 AND InvestmentType NOT IN (?2, ?3, ?4) "
        "ORDER BY Description COLLATE NOCASE, rowid",
        [&](Query &q) {
            const QString security = q.text(0);
            const QString quoted = q.text(1).trimmed();
            QString text;
            if (quoted.isEmpty()) {
                text = QStringLiteral("The security \"%1\" has no date of quotation.").arg(security);
            } else if (const std::optional<QDate> date = Dates::parse(quoted); date && asOf) {
                if (*date > *asOf)
                    text = QStringLiteral("The security \"%1\" was quoted after the statement's date.").arg(security);
                else if (date->daysTo(*asOf) > Sba413MaximumAgeDays)
                    text = QStringLiteral("The security \"%1\" was quoted on %2, more than %3 days before the "
                                          "statement's date.")
                               .arg(security, Dates::format(*date))
                               .arg(Sba413MaximumAgeDays);
            }
            if (!text.isEmpty())
                findings.push_back({text, Fix::OpenWindow, StatementWindow::Investments});
        },
        {QString::fromLatin1(InvestmentType::K401), QString::fromLatin1(InvestmentType::Retirement),
         QString::fromLatin1(InvestmentType::SepIra)});
}

struct RealEstateRow
{
    QString description, lienOn, address, city, state, zip, purchased, yearAcquired, occupancy, holder,
        holderAddress, account, status;
    std::optional<double> originalCost, rent, taxes, insurance, marketValue, balance, payment, rate;
};

std::vector<RealEstateRow> realEstateRows(StatementQueries &queries)
{
    std::vector<RealEstateRow> rows;
    queries.rows("SELECT Description, LienOnProperty, Address, City, State, Zip, DatePurchased, YearAcquired, "
                 "Occupancy, LienHolder, LienHolderAddress, LienAccountNumber, LienStatus, OriginalCost, MonthlyRent, "
                 "MonthlyTaxes, MonthlyInsurance, MarketValue, CurrentBalance, MonthlyPayment, InterestRate "
                 "FROM RealEstate WHERE ClientId = ?1 ORDER BY Description COLLATE NOCASE, rowid",
                 [&](Query &q) {
                     RealEstateRow row;
                     QString *texts[] = {&row.description, &row.lienOn,       &row.address,  &row.city,
                                         &row.state,       &row.zip,          &row.purchased, &row.yearAcquired,
                                         &row.occupancy,   &row.holder,       &row.holderAddress, &row.account,
                                         &row.status};
                     int column = 0;
                     for (QString *text : texts)
                         *text = q.text(column++).trimmed();
                     std::optional<double> *numbers[] = {&row.originalCost, &row.rent,        &row.taxes,
                                                         &row.insurance,    &row.marketValue, &row.balance,
                                                         &row.payment,      &row.rate};
                     for (std::optional<double> *number : numbers) {
                         if (!q.isNull(column))
                             *number = q.real(column);
                         ++column;
                     }
                     rows.push_back(row);
                 });
    return rows;
}

bool isRented(const QString &occupancy)
{
    return occupancy == QLatin1String("Tenant Occupied") || occupancy == QLatin1String("Partly Tenant Occupied");
}

void checkRealEstate(StatementQueries &queries, Form form, std::vector<ReadinessFinding> &findings)
{
    const std::vector<RealEstateRow> rows = realEstateRows(queries);
    const bool sba = form == Form::Sba413;
    const auto add = [&](const QString &text, StatementWindow window) {
        findings.push_back({text, Fix::OpenWindow, window});
    };
    const auto hasLien = [](const RealEstateRow &row) {
        return row.balance.value_or(0) > 0 || !row.holder.isEmpty();
    };
    std::map<QString, int> named; // property rows of each description
    std::map<QString, QString> propertyName; // the first of each, as findings name it
    int number = 0;
    for (const RealEstateRow &row : rows) {
        if (!row.lienOn.isEmpty())
            continue;
        const QString name = QStringLiteral("Property %1, \"%2\",").arg(++number).arg(row.description);
        if (named[row.description]++ == 0)
            propertyName[row.description] = name;
        const auto propertyFinding = [&](const QString &what) { add(name + u' ' + what, StatementWindow::RealEstate); };
        if (row.address.isEmpty() || row.city.isEmpty() || row.state.isEmpty() || row.zip.isEmpty())
            propertyFinding(QStringLiteral("has no address."));
        if (row.occupancy.isEmpty())
            propertyFinding(QStringLiteral("has no occupancy."));
        if (row.purchased.isEmpty())
            propertyFinding(QStringLiteral("has no purchase date."));
        if (!row.originalCost)
            propertyFinding(QStringLiteral("has no original cost."));
        if (sba && !row.purchased.isEmpty() && !row.yearAcquired.isEmpty())
            if (const std::optional<QDate> date = Dates::parse(row.purchased);
                date && QString::number(date->year()) != row.yearAcquired)
                propertyFinding(QStringLiteral("was purchased on %1, not in its year acquired, %2.")
                                    .arg(Dates::format(*date), row.yearAcquired));
        if (isRented(row.occupancy) && !row.rent)
            propertyFinding(QStringLiteral("is rented but has no monthly rent."));
        if (row.rent.value_or(0) > 0
            && (row.occupancy == QLatin1String("Owner Occupied") || row.occupancy == QLatin1String("Second Home")))
            propertyFinding(QStringLiteral("has a monthly rent but is not rented."));
        const bool encumbered = hasLien(row) || std::any_of(rows.begin(), rows.end(), [&](const RealEstateRow &lien) {
                                    return lien.lienOn == row.description && hasLien(lien);
                                });
        if (!encumbered && !row.taxes && !row.insurance)
            propertyFinding(QStringLiteral("has no mortgage to pay its taxes and insurance, and no monthly taxes or "
                                           "insurance."));
    }

    // Each lien with a balance: the property's own first, then the further liens.
    struct Needed
    {
        std::optional<double> RealEstateRow::*number;
        QString RealEstateRow::*text;
        const char *what;
        bool sbaOnly;
    };
    static const Needed needed[] = {
        {nullptr, &RealEstateRow::account, "account number", false},
        {&RealEstateRow::payment, nullptr, "monthly payment", false},
        {&RealEstateRow::rate, nullptr, "interest rate", false},
        {nullptr, &RealEstateRow::status, "status", false},
        {nullptr, &RealEstateRow::holderAddress, "holder's address", true},
    };
    std::vector<ReadinessFinding> liens;
    for (const RealEstateRow &row : rows) {
        if (row.balance.value_or(0) <= 0)
            continue;
        const QString who = row.lienOn.isEmpty()
            ? QStringLiteral("The mortgage of %1").arg(propertyName[row.description])
            : QStringLiteral("The lien \"%1\"").arg(row.description);
        for (const Needed &n : needed) {
            if (n.sbaOnly && !sba)
                continue;
            const bool missing = n.number ? !(row.*n.number) : (row.*n.text).isEmpty();
            if (missing)
                add(who + QStringLiteral(" has no %1.").arg(QLatin1String(n.what)), StatementWindow::Mortgages);
        }
    }
    std::set<QString> ambiguous;
    for (const RealEstateRow &row : rows) {
        if (row.lienOn.isEmpty())
            continue;
        const auto found = named.find(row.lienOn);
        if (found == named.end())
            add(QStringLiteral("The lien \"%1\" is on \"%2\", which is not a property of this statement.")
                    .arg(row.description, row.lienOn),
                StatementWindow::Mortgages);
        else if (found->second > 1 && ambiguous.insert(row.lienOn).second)
            add(QStringLiteral("%1 properties are named \"%2\"; a lien on that name cannot tell them apart.")
                    .arg(found->second == 2 ? QStringLiteral("Two") : QString::number(found->second), row.lienOn),
                StatementWindow::RealEstate);
        if (row.marketValue.value_or(0) != 0)
            add(QStringLiteral("The lien \"%1\" has a market value; a lien's property is valued on the property's "
                               "own row.")
                    .arg(row.description),
                StatementWindow::RealEstate);
    }
}

void checkUnpaidTaxes(StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    queries.rows("SELECT Description, PayableTo, DueDate FROM Taxes WHERE ClientId = ?1 "
                 "ORDER BY Description COLLATE NOCASE, rowid",
                 [&](Query &q) {
                     if (emptyText(q, 1))
                         findings.push_back({QStringLiteral("The tax \"%1\" has no payee.").arg(q.text(0)),
                                             Fix::OpenWindow, StatementWindow::Taxes});
                     if (emptyText(q, 2))
                         findings.push_back({QStringLiteral("The tax \"%1\" has no due date.").arg(q.text(0)),
                                             Fix::OpenWindow, StatementWindow::Taxes});
                 });
}

void checkLegalClaims(Tdm1 &dm, StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    Table &legal = dm.tblLegal;
    legal.First();
    if (legal.Eof())
        return;
    const QString claims = QStringLiteral("Legal Claims & Judgments");
    bool listed = false;
    queries.rows("SELECT Category, Description FROM Contingent WHERE ClientId = ?1",
                 [&](Query &q) { listed = listed || EntryLists::contingentCategoryOf(q.text(0), q.text(1)) == claims; });
    if (listed)
        return;
    for (const char *question : {"Judgement", "Defendant"})
        if (legal.FieldByName(QLatin1String(question)).AsString() == QLatin1String("Yes"))
            findings.push_back({QStringLiteral("The legal question \"%1\" is answered \"Yes\" but no contingent "
                                               "liability is listed under %2.")
                                    .arg(QLatin1String(question), claims),
                                Fix::OpenWindow, StatementWindow::Contingent});
}

void checkForm(Tdm1 &dm, StatementQueries &queries, Form form, std::vector<ReadinessFinding> &findings)
{
    std::vector<ReadinessFinding> found;
    if (form == Form::Sba413) {
        checkBusiness(dm, found);
        checkQuotations(dm, queries, found);
    }
    checkRealEstate(queries, form, found);
    if (form == Form::Sba413) {
        checkNotes(queries, found);
        checkUnpaidTaxes(queries, found);
        checkLegalClaims(dm, queries, found);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const ReadinessFinding &a, const ReadinessFinding &b) { return a.window < b.window; });
    findings.insert(findings.end(), found.begin(), found.end());
}

} // namespace

int readinessMaximumAgeDays(ReadinessForm form)
{
    return form == ReadinessForm::Sba413 ? Sba413MaximumAgeDays : ReadinessMaximumAgeDays;
}

QDate sba413CurrentUntil(const QDate &statementDate)
{
    return statementDate.isValid() ? statementDate.addDays(Sba413MaximumAgeDays) : QDate();
}

std::vector<ReadinessFinding> CheckReadiness(Tdm1 &dm, const QDate &today, ReadinessForm form)
{
    std::vector<ReadinessFinding> findings;
    if (dm.CurrentClientId.isEmpty())
        return findings;
    StatementQueries queries(dm);
    checkDate(dm, today, form, findings);
    checkParticulars(dm, false, findings);
    // The spouse's particulars are asked for where the statement prints them.
    const auto name = [&dm](const char *field) { return dm.tblClient.FieldByName(QLatin1String(field)).AsString(); };
    if (Particulars::isJoint(name("SFirstName"), name("SLastName")))
        checkParticulars(dm, true, findings);
    checkNegativeAmounts(dm, queries, findings);
    checkMortgages(queries, findings);
    checkAutoLoans(queries, findings);
    checkLegal(dm, findings);
    const std::vector<PropertyShares> properties = propertyShares(dm, queries);
    checkTotals(dm, queries, properties, findings);
    checkPropertyShares(properties, findings);
    if (form != ReadinessForm::Statement)
        checkForm(dm, queries, form, findings);
    return findings;
}
