#include "readiness.h"

#include <cmath>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"

namespace {

using Fix = ReadinessFinding::Fix;

constexpr char PersonalWindow[] = "TfrmPersonalInfo";
constexpr char SpouseWindow[] = "TfrmSpouseInfo";
constexpr char FirstLegalWindow[] = "TfrmLegal";
constexpr char SecondLegalWindow[] = "TfrmLegal2";
constexpr char MortgagesWindow[] = "TfrmRealEstate_Liabilities";
constexpr char AutoLoansWindow[] = "TfrmAutos_Liabilities";
// Questions on the first legal window; the rest are on the second.
constexpr int QuestionsOnFirstLegalWindow = 5;
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

struct RowSum
{
    const char *total;
    const char *caption;
    const char *sql; // the sum of the rows, ?1 the statement
};

// Every stored total beside the sum of its rows, taken straight from the file.
const std::vector<RowSum> &rowSums()
{
    static const std::vector<RowSum> sums = {
        {"CashOnHand", "Cash", "SELECT TOTAL(Balance) FROM Cash WHERE ClientId = ?1"},
        {"InvestmentTotals", "Investments", "SELECT TOTAL(MarketValue) FROM Investments WHERE ClientId = ?1"},
        {"RealEstateTotals", "Real estate",
         "SELECT TOTAL(MarketValue * PercentOwned * 0.01) FROM RealEstate WHERE ClientId = ?1"},
        {"AutoTotal", "Automobiles", "SELECT TOTAL(CurrentValue) FROM Auto WHERE ClientId = ?1"},
        {"LifeCash", "Life insurance", "SELECT TOTAL(CashValue) FROM LifeInsurance WHERE ClientId = ?1"},
        {"PersonalAssets", "Personal assets", "SELECT TOTAL(Value) FROM PersonalAssets WHERE ClientId = ?1"},
        {"BusinessAssets", "Business assets", "SELECT TOTAL(Value) FROM BusinessAssets WHERE ClientId = ?1"},
        {"OtherAssetsTotal", "All other assets", "SELECT TOTAL(Value) FROM OtherAssets WHERE ClientId = ?1"},
        {"BankLiability", "Notes payable", "SELECT TOTAL(Amount) FROM Bank WHERE ClientId = ?1"},
        {"MortgageLiabilitiesTotals", "Mortgages payable",
         "SELECT TOTAL(CurrentBalance * PercentLiability * 0.01) FROM RealEstate WHERE ClientId = ?1"},
        {"CreditCardLiability", "Credit card liability",
         "SELECT TOTAL(CurrentBalance) FROM CreditCards WHERE ClientId = ?1"},
        {"AutoLiability", "Auto liability", "SELECT TOTAL(LoanBalance) FROM Autos2 WHERE ClientId = ?1"},
        {"TaxLiability", "Tax liability", "SELECT TOTAL(Amount) FROM Taxes WHERE ClientId = ?1"},
        {"OtherLiability", "All other liabilities", "SELECT TOTAL(Amount) FROM Other WHERE ClientId = ?1"},
        {"ContingentLiability", "Contingent liabilities", "SELECT TOTAL(Amount) FROM Contingent WHERE ClientId = ?1"},
        {"IncomeTotal", "Total income", "SELECT TOTAL(Amount) FROM Incomes WHERE ClientId = ?1"},
        {"ExpenseTotal", "Total expenses", "SELECT TOTAL(Amount) FROM Expenditure WHERE ClientId = ?1"},
    };
    return sums;
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
    double number(const std::string &sql)
    {
        double value = 0;
        rows(sql, [&](SQLite::Statement &q) { value = q.getColumn(0).getDouble(); });
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
    const QDate date = QDate::fromString(stored, QStringLiteral("MM/dd/yyyy"));
    if (!date.isValid()) {
        findings.push_back(
            {QStringLiteral("The statement's date \"%1\" is not a date. Copy it as of today on the Overview.").arg(stored),
             Fix::Overview, {}});
        return;
    }
    const qint64 age = date.daysTo(today);
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
    int question = 0;
    for (int c = 0; c < legal.FieldCount(); ++c) {
        const QString answer = legal.column(c).name;
        const auto explanation = legal.FindField(answer + QStringLiteral("Explanation"));
        if (!explanation)
            continue;
        const bool first = question++ < QuestionsOnFirstLegalWindow;
        if (legal.FieldByName(answer).AsString() == QLatin1String("Yes") && explanation->AsString().trimmed().isEmpty())
            findings.push_back({QStringLiteral("The legal question \"%1\" is answered \"Yes\" without an explanation.")
                                    .arg(answer),
                                Fix::OpenWindow, first ? FirstLegalWindow : SecondLegalWindow});
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

// An auto paid for monthly needs its loan among the auto liabilities: a loan whose
// description names the auto's model (or the auto's description names the loan).
void checkAutoLoans(Reader &reader, std::vector<ReadinessFinding> &findings)
{
    QStringList loans;
    reader.rows("SELECT Description FROM Autos2 WHERE ClientId = ?1",
                [&](SQLite::Statement &q) { loans << text(q, 0).trimmed(); });
    reader.rows("SELECT Description, Model FROM Auto WHERE ClientId = ?1 AND MonthlyPayment > 0 ORDER BY rowid",
                [&](SQLite::Statement &q) {
                    const QString description = text(q, 0).trimmed();
                    const QString model = text(q, 1).trimmed();
                    bool matched = false;
                    for (const QString &loan : loans) {
                        if (loan.isEmpty())
                            continue;
                        if ((!model.isEmpty() && loan.contains(model, Qt::CaseInsensitive))
                            || description.contains(loan, Qt::CaseInsensitive))
                            matched = true;
                    }
                    if (!matched)
                        findings.push_back({QStringLiteral("The auto \"%1\" has a monthly payment but no auto loan.")
                                                .arg(description.isEmpty() ? model : description),
                                            Fix::OpenWindow, AutoLoansWindow});
                });
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

void checkTotals(Tdm1 &dm, Reader &reader, std::vector<ReadinessFinding> &findings)
{
    Table &totals = dm.tblFSPro;
    const auto storedTotal = [&](const char *field) {
        const QString text = totals.FieldByName(QLatin1String(field)).AsString();
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok ? value : 0.0;
    };
    const auto compare = [&](const QString &caption, double stored, double summed) {
        if (std::fabs(stored - summed) >= TotalsTolerance)
            findings.push_back({QStringLiteral("%1: the stored total differs from the sum of its rows.").arg(caption),
                                Fix::Recompute, {}, stored, summed});
    };
    for (const RowSum &sum : rowSums())
        compare(QLatin1String(sum.caption), storedTotal(sum.total), reader.number(sum.sql));
    double assets = 0;
    for (const char *f : {"CashOnHand", "InvestmentTotals", "RealEstateTotals", "AutoTotal", "LifeCash",
                          "PersonalAssets", "BusinessAssets", "OtherAssetsTotal"})
        assets += storedTotal(f);
    double liabilities = 0;
    for (const char *f : {"AutoLiability", "BankLiability", "CreditCardLiability", "MortgageLiabilitiesTotals",
                          "TaxLiability", "OtherLiability"})
        liabilities += storedTotal(f);
    compare(QStringLiteral("Total assets"), storedTotal("TotalAssets"), assets);
    compare(QStringLiteral("Total liabilities"), storedTotal("TotalLiabilities"), liabilities);
    compare(QStringLiteral("Net worth"), storedTotal("NetWorth"), storedTotal("TotalAssets") - storedTotal("TotalLiabilities"));
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
    return findings;
}
