#include "readiness.h"

#include <cmath>
#include <map>
#include <optional>
#include <set>

#include <SQLiteCpp/SQLiteCpp.h>

#include "base/dates.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/sql_identifier.h"
#include "data/entry_lists.h"
#include "data/legal_questions.h"
#include "data/tdm1.h"
#include "totals/asset_totals.h"
#include "totals/category_sum.h"
#include "totals/income_expense_totals.h"
#include "totals/liability_totals.h"
#include "totals/printed_figures.h"

namespace {

using Fix = ReadinessFinding::Fix;

constexpr char PersonalWindow[] = "TfrmPersonalInfo";
constexpr char SpouseWindow[] = "TfrmSpouseInfo";
constexpr char FirstLegalWindow[] = "TfrmLegal";
constexpr char SecondLegalWindow[] = "TfrmLegal2";
constexpr char MortgagesWindow[] = "TfrmRealEstate_Liabilities";
constexpr char AutoLoansWindow[] = "TfrmAutos_Liabilities";
// Questions on the first legal window; the rest are on the second.
constexpr size_t QuestionsOnFirstLegalWindow = 5;
// Amounts closer than this to the sum of their rows agree (they print alike).
constexpr double TotalsTolerance = 0.005;

struct AmountField
{
    const char *table;
    const char *field;
    const char *what;
    const char *window;
    const char *condition = nullptr; // rows where a negative amount is allowed are left out
};

// Amounts that are never below zero on a sound statement. Cash balances (an overdrawn
// account) and net real-estate income (a loss) may be.
const std::vector<AmountField> &positiveAmounts()
{
    static const std::vector<AmountField> fields = {
        {"Investments", "MarketValue", "an investment's market value", "TfrmInvestments"},
        {"Investments", "PurchasePrice", "an investment's purchase price", "TfrmInvestments"},
        {"RealEstate", "MarketValue", "a property's market value", "TfrmRealEstate"},
        {"RealEstate", "PercentOwned", "a property's percentage owned", "TfrmRealEstate"},
        {"RealEstate", "CurrentBalance", "a mortgage balance", MortgagesWindow},
        {"RealEstate", "PercentLiability", "a mortgage's percentage owed", MortgagesWindow},
        {"Auto", "CurrentValue", "an auto's current value", "TfrmAutos"},
        {"Auto", "PurchasePrice", "an auto's purchase price", "TfrmAutos"},
        {"Auto", "MonthlyPayment", "an auto's monthly payment", "TfrmAutos"},
        {"LifeInsurance", "FaceValue", "a policy's face value", "TfrmLifeInsurance"},
        {"LifeInsurance", "CashValue", "a policy's cash value", "TfrmLifeInsurance"},
        {"PersonalAssets", "Value", "a personal asset's value", "TfrmPersonal"},
        {"BusinessAssets", "Value", "a business asset's value", "TfrmBusiness"},
        {"OtherAssets", "Value", "the value of an asset under Other Assets", "TfrmOther"},
        {"Bank", "Amount", "a note's amount owed", "TfrmBank_Liabilities"},
        {"CreditCards", "CurrentBalance", "a credit card balance", "TfrmCreditCard_Liabilities"},
        {"CreditCards", "CreditLimit", "a credit limit", "TfrmCreditCard_Liabilities"},
        {"Autos2", "LoanBalance", "an auto loan balance", AutoLoansWindow},
        {"Taxes", "Amount", "a tax owed", "TfrmTax_Liabilities"},
        {"Other", "Amount", "the amount of a liability under Other Liabilities", "TfrmOther_Liabilities"},
        {"Other", "MonthlyPayment", "the monthly payment of a liability under Other Liabilities", "TfrmOther_Liabilities"},
        {"Contingent", "Amount", "a contingent liability's amount", "TfrmContingent_Liabilities"},
        {"Contingent", "MonthlyPayment", "a contingent liability's monthly payment", "TfrmContingent_Liabilities"},
        {"Incomes", "Amount", "an income", "TfrmIncome", "Type <> ?2"},
        {"Expenditure", "Amount", "an expense", "TfrmExpenses"},
    };
    return fields;
}

class Reader
{
public:
    explicit Reader(Tdm1 &dm) : m_dm(dm), m_id(dm.CurrentClientId.toStdString()) {}

    // Runs a query of the statement (?1) and hands each row to use.
    template <class Use>
    void rows(const std::string &sql, Use &&use, const char *second = nullptr)
    {
        const auto query = m_dm.db1.statement(sql);
        try {
            query->bind(1, m_id);
            if (second)
                query->bind(2, second);
            while (query->executeStep())
                use(*query);
        } catch (const SQLite::Exception &error) {
            query->tryReset();
            throw EngineError(QString::fromUtf8(error.what()));
        }
        query->tryReset();
    }
    double number(const std::string &sql, const char *second = nullptr)
    {
        double value = 0;
        rows(sql, [&](SQLite::Statement &q) { value = q.getColumn(0).getDouble(); }, second);
        return value;
    }

private:
    Tdm1 &m_dm;
    std::string m_id;
};

QString text(const SQLite::Statement &query, int column)
{
    return QString::fromStdString(query.getColumn(column).getString());
}

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
    const char *window = spouse ? SpouseWindow : PersonalWindow;
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
    const auto &questions = legalQuestions();
    for (size_t i = 0; i < questions.size(); ++i) {
        const LegalQuestion &q = questions[i];
        if (legal.FieldByName(QLatin1String(q.answerField)).AsString() == QLatin1String("Yes")
            && legal.FieldByName(QLatin1String(q.explanationField)).AsString().trimmed().isEmpty())
            findings.push_back({QStringLiteral("The legal question \"%1\" is answered \"Yes\", but \"%2\" is left empty.")
                                    .arg(QLatin1String(q.text), QLatin1String(q.explanationCaption)),
                                Fix::OpenWindow,
                                i < QuestionsOnFirstLegalWindow ? FirstLegalWindow : SecondLegalWindow});
    }
}

void checkMortgages(Reader &reader, std::vector<ReadinessFinding> &findings)
{
    reader.rows("SELECT Description, LienHolder, PercentLiability FROM RealEstate WHERE ClientId = ?1 "
                "AND CurrentBalance > 0 ORDER BY rowid",
                [&](SQLite::Statement &q) {
                    const QString property = text(q, 0);
                    if (text(q, 1).trimmed().isEmpty())
                        findings.push_back({QStringLiteral("The property \"%1\" has a mortgage balance but no lender "
                                                           "in the mortgages schedule.")
                                                .arg(property),
                                            Fix::OpenWindow, MortgagesWindow});
                    else if (q.getColumn(2).isNull() || q.getColumn(2).getDouble() <= 0)
                        findings.push_back({QStringLiteral("The property \"%1\" has a mortgage balance but no share "
                                                           "owed in the mortgages schedule.")
                                                .arg(property),
                                            Fix::OpenWindow, MortgagesWindow});
                });
}

// Every auto paid for monthly needs a loan among the auto liabilities. Which loan is whose
// the statement does not say, so only a shortfall is a fault: fewer loans than such autos.
void checkAutoLoans(Reader &reader, std::vector<ReadinessFinding> &findings)
{
    QStringList paidMonthly;
    reader.rows("SELECT Description, Model FROM Auto WHERE ClientId = ?1 AND MonthlyPayment > 0 ORDER BY rowid",
                [&](SQLite::Statement &q) {
                    const QString description = text(q, 0).trimmed();
                    paidMonthly << (description.isEmpty() ? text(q, 1).trimmed() : description);
                });
    const auto loans = qint64(reader.number("SELECT COUNT(*) FROM Autos2 WHERE ClientId = ?1"));
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
    findings.push_back({text, Fix::OpenWindow, AutoLoansWindow});
}

void checkNegativeAmounts(Reader &reader, std::vector<ReadinessFinding> &findings)
{
    for (const AmountField &amount : positiveAmounts()) {
        std::string sql = std::string("SELECT COUNT(*) FROM \"") + amount.table + "\" WHERE ClientId = ?1 AND \""
            + amount.field + "\" < 0";
        if (amount.condition)
            sql += std::string(" AND ") + amount.condition;
        qint64 count = 0;
        reader.rows(sql, [&](SQLite::Statement &q) { count = q.getColumn(0).getInt64(); },
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

// A property's owned value and owed balance as the real-estate recomputation forms them:
// an empty percentage counts as none, one that is not a number as the whole.
constexpr char OwnedShare[] = "IFNULL(MarketValue, 0) * (CASE WHEN typeof(PercentOwned) = 'text' AND PercentOwned <> '' "
                              "THEN 100 ELSE IFNULL(PercentOwned, 0) END) * 0.01";
constexpr char OwedShare[] = "IFNULL(CurrentBalance, 0) * (CASE WHEN typeof(PercentLiability) = 'text' AND "
                             "PercentLiability <> '' THEN 100 ELSE IFNULL(PercentLiability, 0) END) * 0.01";

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

double rowSum(Reader &reader, const QString &table, const std::string &expression, const char *typeField = nullptr,
              const char *typeText = nullptr)
{
    std::string sql =
        "SELECT TOTAL(" + expression + ") FROM " + quoteIdentifier(table).toStdString() + " WHERE ClientId = ?1";
    if (typeField)
        sql += " AND " + quotedName(typeField) + " = ?2";
    return reader.number(sql, typeText);
}

// Read from the recomputations' own tables, so the rules are those the totals were formed by.
Expectations expectationsFromRows(Tdm1 &dm, Reader &reader)
{
    Expectations e;
    for (const CategorySum *category : everyCategorySum()) {
        const QString table = (dm.*category->table).TableName();
        for (const SummedField &f : category->fields)
            e[QLatin1String(f.totalsField)].rows = rowSum(
                reader, table, quotedName(f.rowField) + " * " + std::to_string(f.factor), f.typeField, f.typeText);
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
        all.rows = rowSum(reader, table, "Amount");
        for (const TypeTotal &type : items->types) {
            e[QLatin1String(type.yearly)].rows = rowSum(reader, table, "Amount", "Type", type.type);
            all.parts.push_back({QLatin1String(type.yearly), 1.0});
        }
        std::vector<TypeTotal> pairs = items->types;
        pairs.push_back(items->all);
        for (const TypeTotal &pair : pairs)
            e[QLatin1String(pair.monthly)] = {e[QLatin1String(pair.yearly)].rows / 12.0,
                                              {{QLatin1String(pair.yearly), 1.0 / 12.0}}};
    }
    const QString realEstate = dm.tblRealEstate.TableName();
    e[QStringLiteral("RealEstateTotalsAsset")].rows = rowSum(reader, realEstate, "MarketValue");
    e[QStringLiteral("RealEstateTotals")].rows = rowSum(reader, realEstate, OwnedShare);
    e[QStringLiteral("RealEstateTotals")].ofRowFigures = rowSum(reader, realEstate, "TMarketValue");
    e[QStringLiteral("TMortgageLiabilitiesTotals")].rows = rowSum(reader, realEstate, "CurrentBalance");
    e[QStringLiteral("MortgageLiabilitiesTotals")].rows = rowSum(reader, realEstate, OwedShare);
    e[QStringLiteral("MortgageLiabilitiesTotals")].ofRowFigures = rowSum(reader, realEstate, "TCurrentLiability");

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
void checkTotals(Tdm1 &dm, Reader &reader, std::vector<ReadinessFinding> &findings)
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

    const Expectations expected = expectationsFromRows(dm, reader);
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
void checkPropertyShares(Reader &reader, std::vector<ReadinessFinding> &findings)
{
    reader.rows(std::string("SELECT Description, IFNULL(TMarketValue, 0), ") + OwnedShare
                    + ", IFNULL(TCurrentLiability, 0), " + OwedShare + " FROM RealEstate WHERE ClientId = ?1 ORDER BY rowid",
                [&](SQLite::Statement &q) {
                    const QString property = text(q, 0);
                    const auto compare = [&](int column, const char *what, const char *field) {
                        const double value = q.getColumn(column).getDouble();
                        const double summed = q.getColumn(column + 1).getDouble();
                        if (!agrees(value, summed))
                            findings.push_back({QStringLiteral("The property \"%1\": its %2 differs from its row.")
                                                    .arg(property, QLatin1String(what)),
                                                Fix::Recompute, {}, value, summed, QLatin1String(field)});
                    };
                    compare(1, "owned value", "TMarketValue");
                    compare(3, "owed balance", "TCurrentLiability");
                });
}

} // namespace

std::vector<ReadinessFinding> CheckReadiness(Tdm1 &dm, const QDate &today)
{
    std::vector<ReadinessFinding> findings;
    if (dm.CurrentClientId.isEmpty())
        return findings;
    Reader reader(dm);
    checkDate(dm, today, findings);
    checkParticulars(dm, false, findings);
    if (dm.IsJointStatement() == QLatin1String("Yes"))
        checkParticulars(dm, true, findings);
    checkNegativeAmounts(reader, findings);
    checkMortgages(reader, findings);
    checkAutoLoans(reader, findings);
    checkLegal(dm, findings);
    checkTotals(dm, reader, findings);
    checkPropertyShares(reader, findings);
    return findings;
}
