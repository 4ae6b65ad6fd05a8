#include "statement_comparison.h"

#include <algorithm>
#include <map>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"

namespace {

struct Line
{
    const char *caption;
    const char *field;
    bool total = false;
};

struct Group
{
    const char *caption;
    std::vector<Line> lines;
};

// The categories of the summary page, with the captions it prints, and the totals.
const std::vector<Group> &groups()
{
    static const std::vector<Group> all = {
        {"Assets",
         {{"Cash (A)", "CashOnHand"},
          {"Real Estate (B)", "RealEstateTotals"},
          {"Securities (C)", "InvestmentTotals"},
          {"Automobiles (D)", "AutoTotal"},
          {"Cash Value Life Insurance (E)", "LifeCash"},
          {"Household and Personal Assets (F)", "PersonalAssets"},
          {"Business Assets (G)", "BusinessAssets"},
          {"Accounts and Notes Receivable (H)", "NotesReceivable"},
          {"Restricted or Margin Accounts (H)", "MarginAccounts"},
          {"All Other Assets (H)", "OtherAssets"},
          {"Total Assets", "TotalAssets", true}}},
        {"Liabilities",
         {{"Notes Payable (I)", "BankLiability"},
          {"Mortgages Payable (J)", "MortgageLiabilitiesTotals"},
          {"Credit Card Liability (K)", "CreditCardLiability"},
          {"Auto Liability (L)", "AutoLiability"},
          {"Tax Liability (M)", "TaxLiability"},
          {"All Other Liabilities (N)", "OtherLiability"},
          {"Contingent Liabilities (O)", "ContingentLiability"},
          {"Total Liabilities", "TotalLiabilities", true},
          {"Net Worth", "NetWorth", true}}},
        {"Annual Income",
         {{"Salaries & Wages (Individual)", "Salary"},
          {"Salaries & Wages (Spouse)", "Salary_Spouse"},
          {"Bonuses & Commissions", "Bonus"},
          {"Dividends & Interest Income", "Dividends"},
          {"Net Real Estate Income", "RealEstateIncome"},
          {"Oil & Gas Income/Royalties", "OilIncome"},
          {"All Other Income", "OtherIncome"},
          {"Total Income", "IncomeTotal", true},
          {"Monthly Income", "MIncomeTotal", true}}},
        {"Annual Expenditures",
         {{"Installment Payments", "Installment_Exp"},
          {"Lease Obligations", "Lease_Exp"},
          {"Mortgage Payments", "Mortgage_Exp"},
          {"Other Debt Service", "OtherDebt_Exp"},
          {"Alimony, Child Support, etc", "Alimony_Exp"},
          {"Auto, Life & Health Insurance Premiums", "Insurance_Exp"},
          {"Rental Payments", "Rental_Exp"},
          {"All Other Expenditures", "Other_Exp"},
          {"Total Expenditures", "ExpenseTotal", true},
          {"Monthly Expenditures", "MExpenseTotal", true}}},
    };
    return all;
}

// The monthly fields of the debt-service expense types (the expense totals' own pairing).
const std::vector<const char *> &debtServiceMonthlyFields()
{
    static const std::vector<const char *> fields = {"MInstallment_Exp", "MMortgage_Exp", "MLease_Exp",
                                                     "MOtherDebt_Exp"};
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
    const auto query = dm.db1.statement("SELECT * FROM FSPro WHERE ClientId = ?1 ORDER BY rowid LIMIT 1");
    const auto exists = dm.db1.statement("SELECT COUNT(*) FROM Client WHERE Id = ?1");
    StoredStatement stored;
    stored.statement.id = id;
    try {
        exists->bind(1, id.toStdString());
        exists->executeStep();
        const bool found = exists->getColumn(0).getInt64() > 0;
        exists->tryReset();
        if (!found)
            throw EngineError(QStringLiteral("The statement %1 does not exist.").arg(id));
        query->bind(1, id.toStdString());
        if (query->executeStep()) {
            for (int c = 0; c < query->getColumnCount(); ++c) {
                const QString name = QString::fromUtf8(query->getColumnName(c));
                const SQLite::Column column = query->getColumn(c);
                if (name == QLatin1String("Date"))
                    stored.statement.date = QString::fromStdString(column.getString());
                else if (name == QLatin1String("Description"))
                    stored.statement.name = QString::fromStdString(column.getString());
                else if (column.isFloat() || column.isInteger())
                    stored.figures[name] = column.getDouble();
            }
        }
        query->tryReset();
    } catch (const SQLite::Exception &error) {
        query->tryReset();
        exists->tryReset();
        throw EngineError(QString::fromUtf8(error.what()));
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

QDate statementDate(const QString &date)
{
    return QDate::fromString(date.trimmed(), QStringLiteral("MM/dd/yyyy"));
}

} // namespace

const QStringList &debtServiceExpenseTypes()
{
    static const QStringList types = {ExpenseType::Installment, ExpenseType::Mortgage, ExpenseType::Lease,
                                      ExpenseType::OtherDebt};
    return types;
}

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
    if (statementDateIsOlder(second.statement.date, first.statement.date))
        std::swap(first, second);

    StatementComparison comparison;
    comparison.earlier = first.statement;
    comparison.later = second.statement;
    for (const Group &group : groups()) {
        ComparedGroup compared{QLatin1String(group.caption), {}};
        for (const Line &line : group.lines) {
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
        comparison.groups.push_back(std::move(compared));
    }
    for (const RatioRule &rule : ratioRules())
        comparison.ratios.push_back({QString::fromUtf8(rule.caption), QString::fromUtf8(rule.formula),
                                     rule.asPercent, rule.of(first.figures), rule.of(second.figures)});
    return comparison;
}

std::vector<StatementChoice> OtherStatementsOfPerson(Tdm1 &dm, const QString &id)
{
    const auto query = dm.db1.statement(
        "SELECT c.Id, IFNULL(f.Date, ''), c.FirstName || ' ' || c.LastName FROM Client c "
        "JOIN Client s ON s.Id = ?1 AND c.LastName = s.LastName AND c.FirstName = s.FirstName AND c.Id <> s.Id "
        "LEFT JOIN FSPro f ON f.rowid = (SELECT MIN(rowid) FROM FSPro WHERE ClientId = CAST(c.Id AS TEXT))");
    std::vector<StatementChoice> choices;
    try {
        query->bind(1, id.toStdString());
        while (query->executeStep())
            choices.push_back({QString::fromStdString(query->getColumn(0).getString()),
                               QString::fromStdString(query->getColumn(1).getString()),
                               QString::fromStdString(query->getColumn(2).getString())});
        query->tryReset();
    } catch (const SQLite::Exception &error) {
        query->tryReset();
        throw EngineError(QString::fromUtf8(error.what()));
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
