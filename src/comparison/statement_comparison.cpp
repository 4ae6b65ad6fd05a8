#include "statement_comparison.h"

#include <algorithm>
#include <map>

#include "base/dates.h"
#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/tdm1.h"
#include "totals/income_expense_totals.h"
#include "totals/printed_figures.h"

namespace {

// The monthly fields of the expense types that are debt service.
const std::vector<const char *> &debtServiceMonthlyFields()
{
    static const std::vector<const char *> fields = [] {
        std::vector<const char *> monthly;
        for (const TypeTotal &type : expenseTotals().types)
            if (type.debtService)
                monthly.push_back(type.monthly);
        return monthly;
    }();
    return fields;
}

using Figures = std::map<QString, double>;

struct StoredStatement
{
    ComparedStatement statement;
    Figures figures;
};

StoredStatement readStatement(Tdm1 &dm, const QString &id)
{
    StoredStatement stored;
    stored.statement.id = id;
    {
        Query client(dm.db1, "SELECT Id, FullName2, SFirstName, SLastName, SFullName2 FROM Client WHERE Id = :id");
        client.bind(":id", id);
        if (!client.next())
            throw EngineError(QStringLiteral("The statement %1 does not exist.").arg(id));
        stored.statement.created = client.integer(0);
        stored.statement.fullName = client.text(1);
        stored.statement.spouseFirstName = client.text(2);
        stored.statement.spouseLastName = client.text(3);
        stored.statement.spouseFullName = client.text(4);
    }
    Query query(dm.db1, "SELECT * FROM FSPro WHERE ClientId = :id ORDER BY rowid LIMIT 1");
    query.bind(":id", id);
    if (query.next()) {
        for (int c = 0; c < query.columnCount(); ++c) {
            const QString name = query.columnName(c);
            if (name == QLatin1String("Date"))
                stored.statement.date = query.text(c);
            else if (name == QLatin1String("Description"))
                stored.statement.name = query.text(c);
            else if (query.isNumber(c))
                stored.figures[name] = query.real(c);
        }
    }
    return stored;
}

double figure(const Figures &figures, const char *field)
{
    const auto found = figures.find(QLatin1String(field));
    return found == figures.end() ? 0.0 : found->second;
}

std::optional<double> ratio(double dividend, double divisor)
{
    if (!(divisor > 0))
        return std::nullopt;
    return dividend / divisor;
}

struct RatioRule
{
    const char *caption;
    const char *formula;
    bool asPercent;
    std::optional<double> (*of)(const Figures &);
};

const std::vector<RatioRule> &ratioRules()
{
    static const std::vector<RatioRule> rules = {
        {"Liquidity", "(Cash + Securities) \u00f7 Total Liabilities", false,
         [](const Figures &f) {
             return ratio(figure(f, "CashOnHand") + figure(f, "InvestmentTotals"), figure(f, "TotalLiabilities"));
         }},
        {"Debt to Net Worth", "Total Liabilities \u00f7 Net Worth", false,
         [](const Figures &f) { return ratio(figure(f, "TotalLiabilities"), figure(f, "NetWorth")); }},
        {"Debt to Income",
         "Monthly Installment, Mortgage, Lease and Other Debt Service Payments \u00f7 Monthly Income", true,
         [](const Figures &f) {
             double debt = 0;
             for (const char *field : debtServiceMonthlyFields())
                 debt += figure(f, field);
             return ratio(debt, figure(f, "MIncomeTotal"));
         }},
        {"Savings Rate", "(Income \u2212 Expenditures) \u00f7 Income", true,
         [](const Figures &f) {
             return ratio(figure(f, "IncomeTotal") - figure(f, "ExpenseTotal"), figure(f, "IncomeTotal"));
         }},
    };
    return rules;
}

// Month and day with or without their leading zeros, as "1/5/2027" or "01/05/2027".
QDate statementDate(const QString &date)
{
    return Dates::parse(date).value_or(QDate());
}

bool sameDate(const QString &date, const QString &other)
{
    return !statementDateIsOlder(date, other) && !statementDateIsOlder(other, date);
}

// The date as it heads a statement's column, with the statement's number where another
// statement beside it has the same date.
QString statementLabel(const QString &date, const QString &id, bool withNumber)
{
    QString label = date.trimmed().isEmpty() ? QStringLiteral("(no date)") : date.trimmed();
    if (withNumber)
        label += QStringLiteral(" #") + id;
    return label;
}

// Earlier by date; of the same date (or of no dates) the one created first.
bool comesBefore(const ComparedStatement &a, const ComparedStatement &b)
{
    if (statementDateIsOlder(a.date, b.date))
        return true;
    if (statementDateIsOlder(b.date, a.date))
        return false;
    return a.created < b.created;
}

} // namespace

bool statementDateIsOlder(const QString &date, const QString &than)
{
    const QDate a = statementDate(date);
    const QDate b = statementDate(than);
    if (!a.isValid())
        return b.isValid();
    return b.isValid() && a < b;
}

StatementComparison CompareStatements(Tdm1 &dm, const QString &firstId, const QString &secondId)
{
    StoredStatement first = readStatement(dm, firstId);
    StoredStatement second = readStatement(dm, secondId);
    if (comesBefore(second.statement, first.statement))
        std::swap(first, second);

    StatementComparison comparison;
    comparison.earlier = first.statement;
    comparison.later = second.statement;
    const bool tellApart = sameDate(first.statement.date, second.statement.date) && first.statement.id != second.statement.id;
    for (ComparedStatement *statement : {&comparison.earlier, &comparison.later})
        statement->label = statementLabel(statement->date, statement->id, tellApart);
    for (const PrintedFigureGroup &group : printedFigures()) {
        ComparedGroup compared{QLatin1String(group.caption), {}};
        for (const PrintedFigure &line : group.figures) {
            if (!line.compared)
                continue;
            ComparedFigure f;
            f.caption = QLatin1String(line.caption);
            f.field = QLatin1String(line.field);
            f.total = line.total;
            f.earlier = figure(first.figures, line.field);
            f.later = figure(second.figures, line.field);
            f.change = f.later - f.earlier;
            if (f.earlier != 0)
                f.percent = f.change / std::abs(f.earlier) * 100;
            compared.figures.push_back(f);
        }
        if (!compared.figures.empty())
            comparison.groups.push_back(std::move(compared));
    }
    for (const RatioRule &rule : ratioRules())
        comparison.ratios.push_back({QString::fromUtf8(rule.caption), QString::fromUtf8(rule.formula),
                                     rule.asPercent, rule.of(first.figures), rule.of(second.figures)});
    return comparison;
}

std::vector<StatementChoice> OtherStatementsOfPerson(Tdm1 &dm, const QString &id)
{
    Query query(dm.db1,
                "SELECT c.Id, IFNULL(f.Date, ''), c.FirstName || ' ' || c.LastName, "
                "IFNULL((SELECT Date FROM FSPro WHERE ClientId = CAST(s.Id AS TEXT) ORDER BY rowid LIMIT 1), '') "
                "FROM Client c "
                "JOIN Client s ON s.Id = :id AND c.LastName = s.LastName AND c.FirstName = s.FirstName AND c.Id <> s.Id "
                "LEFT JOIN FSPro f ON f.rowid = (SELECT MIN(rowid) FROM FSPro WHERE ClientId = CAST(c.Id AS TEXT))");
    std::vector<StatementChoice> choices;
    QStringList dates; // the given statement's, then each choice's
    query.bind(":id", id);
    while (query.next()) {
        choices.push_back({query.text(0), query.text(1), query.text(2), {}});
        if (dates.isEmpty())
            dates << query.text(3);
        dates << choices.back().date;
    }
    for (StatementChoice &choice : choices) {
        const auto shared = std::count_if(dates.begin(), dates.end(),
                                          [&](const QString &other) { return sameDate(choice.date, other); });
        choice.label = statementLabel(choice.date, choice.id, shared > 1);
    }
    // Newest first; of equal dates the one stored last.
    std::stable_sort(choices.begin(), choices.end(), [](const StatementChoice &a, const StatementChoice &b) {
        if (statementDateIsOlder(b.date, a.date))
            return true;
        if (statementDateIsOlder(a.date, b.date))
            return false;
        return a.id.toLongLong() > b.id.toLongLong();
    });
    return choices;
}

QString MostRecentOtherStatement(Tdm1 &dm, const QString &id)
{
    const auto choices = OtherStatementsOfPerson(dm, id);
    return choices.empty() ? QString() : choices.front().id;
}
