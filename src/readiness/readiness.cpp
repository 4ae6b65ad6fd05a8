#include "readiness.h"

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

struct AmountField
{
    const char *table;
    const char *field;
    const char *what;
    StatementWindow window;
    const char *condition = nullptr; // rows where a negative amount is allowed are left out
};

// Amounts that are never below zero on a sound statement. Cash balances (an overdrawn
// account) and net real-estate income (a loss) may be.
const std::vector<AmountField> &positiveAmounts()
{
    using W = StatementWindow;
    static const std::vector<AmountField> fields = {
        {"Investments", "MarketValue", "an investment's market value", W::Investments},
        {"Investments", "PurchasePrice", "an investment's purchase price", W::Investments},
        {"RealEstate", "MarketValue", "a property's market value", W::RealEstate},
        {"RealEstate", "PercentOwned", "a property's percentage owned", W::RealEstate},
        {"RealEstate", "CurrentBalance", "a mortgage balance", W::Mortgages},
        {"RealEstate", "PercentLiability", "a mortgage's percentage owed", W::Mortgages},
        {"Auto", "CurrentValue", "an auto's current value", W::Autos},
        {"Auto", "PurchasePrice", "an auto's purchase price", W::Autos},
        {"Auto", "MonthlyPayment", "an auto's monthly payment", W::Autos},
        {"LifeInsurance", "FaceValue", "a policy's face value", W::LifeInsurance},
        {"LifeInsurance", "CashValue", "a policy's cash value", W::LifeInsurance},
        {"PersonalAssets", "Value", "a personal asset's value", W::PersonalAssets},
        {"BusinessAssets", "Value", "a business asset's value", W::BusinessAssets},
        {"OtherAssets", "Value", "the value of an asset under Other Assets", W::OtherAssets},
        {"Bank", "Amount", "a note's amount owed", W::BankNotes},
        {"CreditCards", "CurrentBalance", "a credit card balance", W::CreditCards},
        {"CreditCards", "CreditLimit", "a credit limit", W::CreditCards},
        {"Autos2", "LoanBalance", "an auto loan balance", W::AutoLoans},
        {"Taxes", "Amount", "a tax owed", W::Taxes},
        {"Other", "Amount", "the amount of a liability under Other Liabilities", W::OtherLiabilities},
        {"Other", "MonthlyPayment", "the monthly payment of a liability under Other Liabilities", W::OtherLiabilities},
        {"Contingent", "Amount", "a contingent liability's amount", W::Contingent},
        {"Contingent", "MonthlyPayment", "a contingent liability's monthly payment", W::Contingent},
        {"Incomes", "Amount", "an income", W::Income, "Type <> ?2"},
        {"Expenditure", "Amount", "an expense", W::Expenses},
    };
    return fields;
}

// Queries of the current statement's rows as the file holds them, its Id bound as ?1.
class StatementQueries
{
public:
    explicit StatementQueries(Tdm1 &dm) : m_dm(dm), m_id(dm.CurrentClientId) {}

    // Runs a query of the statement (?1) and hands each row to use.
    template <class Use>
    void rows(const std::string &sql, Use &&use, const char *second = nullptr)
    {
        Query query(m_dm.db1, sql);
        query.bind(1, m_id);
        if (second)
            query.bind(2, QString::fromUtf8(second));
        while (query.next())
            use(query);
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

void checkDate(Tdm1 &dm, const QDate &today, std::vector<ReadinessFinding> &findings)
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
    if (age > ReadinessMaximumAgeDays)
        findings.push_back({QStringLiteral("The statement is dated %1, %2 days ago; lenders want one dated within the "
                                           "last %3 days. Copy it as of today on the Overview.")
                                .arg(stored)
                                .arg(age)
                                .arg(ReadinessMaximumAgeDays),
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

void checkNegativeAmounts(StatementQueries &queries, std::vector<ReadinessFinding> &findings)
{
    for (const AmountField &amount : positiveAmounts()) {
        std::string sql = std::string("SELECT COUNT(*) FROM \"") + amount.table + "\" WHERE ClientId = ?1 AND \""
            + amount.field + "\" < 0";
        if (amount.condition)
            sql += std::string(" AND ") + amount.condition;
        qint64 count = 0;
        queries.rows(sql, [&](Query &q) { count = q.integer(0); },
                    amount.condition ? IncomeType::RealEstate : nullptr);
        if (count > 0)
            findings.push_back({QStringLiteral("%1 row%2 with a negative amount where only positive ones make "
                                               "sense: %3.")
                                    .arg(count)
                                    .arg(count == 1 ? "" : "s")
                                    .arg(QLatin1String(amount.what)),
                                Fix::OpenWindow, amount.window});
    }
}

// A property's owned value and owed balance by the real-estate recomputation's own rule,
// beside the ones its row stores.
struct PropertyShares
{
    QString property;
    double owned = 0;
    double storedOwned = 0;
    double owed = 0;
    double storedOwed = 0;
};

std::vector<PropertyShares> propertyShares(StatementQueries &queries)
{
    std::vector<PropertyShares> properties;
    queries.rows("SELECT Description, MarketValue, PercentOwned, TMarketValue, CurrentBalance, PercentLiability, "
                 "TCurrentLiability FROM RealEstate WHERE ClientId = ?1 ORDER BY rowid",
                 [&](Query &q) {
                     properties.push_back({q.text(0), propertyShare(q.real(1), q.value(2)), q.real(3),
                                           propertyShare(q.real(4), q.value(5)), q.real(6)});
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

std::string quotedName(const char *name)
{
    return quoteIdentifier(QLatin1String(name)).toStdString();
}

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
    e[QStringLiteral("RealEstateTotalsAsset")].rows = rowSum(queries, realEstate, "MarketValue");
    for (const PropertyShares &shares : properties) {
        e[QStringLiteral("RealEstateTotals")].rows += shares.owned;
        e[QStringLiteral("MortgageLiabilitiesTotals")].rows += shares.owed;
    }
    e[QStringLiteral("RealEstateTotals")].ofRowFigures = rowSum(queries, realEstate, "TMarketValue");
    e[QStringLiteral("TMortgageLiabilitiesTotals")].rows = rowSum(queries, realEstate, "CurrentBalance");
    e[QStringLiteral("MortgageLiabilitiesTotals")].ofRowFigures = rowSum(queries, realEstate, "TCurrentLiability");

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
    for (const PropertyShares &shares : properties) {
        const auto compare = [&](double stored, double formed, const char *what, const char *field) {
            if (!agrees(stored, formed))
                findings.push_back({QStringLiteral("The property \"%1\": its %2 differs from its row.")
                                        .arg(shares.property, QLatin1String(what)),
                                    Fix::Recompute, {}, stored, formed, QLatin1String(field)});
        };
        compare(shares.storedOwned, shares.owned, "owned value", "TMarketValue");
        compare(shares.storedOwed, shares.owed, "owed balance", "TCurrentLiability");
    }
}

} // namespace

std::vector<ReadinessFinding> CheckReadiness(Tdm1 &dm, const QDate &today)
{
    std::vector<ReadinessFinding> findings;
    if (dm.CurrentClientId.isEmpty())
        return findings;
    StatementQueries queries(dm);
    checkDate(dm, today, findings);
    checkParticulars(dm, false, findings);
    // The spouse's particulars are asked for where the statement prints them.
    const auto name = [&dm](const char *field) { return dm.tblClient.FieldByName(QLatin1String(field)).AsString(); };
    if (Particulars::isJoint(name("SFirstName"), name("SLastName")))
        checkParticulars(dm, true, findings);
    checkNegativeAmounts(queries, findings);
    checkMortgages(queries, findings);
    checkAutoLoans(queries, findings);
    checkLegal(dm, findings);
    const std::vector<PropertyShares> properties = propertyShares(queries);
    checkTotals(dm, queries, properties, findings);
    checkPropertyShares(properties, findings);
    return findings;
}
