#include "fixture.h"

#include <random>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/schema.h"

namespace {

const QStringList &lastNames()
{
    static const QStringList names = [] {
        const QStringList roots = {"Smith",  "Johnson", "Williams", "Brown",   "Jones",   "Garcia",  "Miller",
                                   "Davis",  "Rodriguez", "Martinez", "Hernandez", "Lopez", "Gonzalez", "Wilson",
                                   "Anderson", "Thomas", "Taylor",  "Moore",   "Jackson", "Martin",  "Lee",
                                   "Perez",  "Thompson", "White",   "Harris",  "Sanchez", "Clark",   "Ramirez",
                                   "Lewis",  "Robinson", "Walker",  "Young",   "Allen",   "King",    "Wright",
                                   "Scott",  "Torres",  "Nguyen",  "Hill",    "Flores",  "Green",   "Adams",
                                   "Nelson", "Baker",   "Hall",    "Rivera",  "Campbell", "Mitchell", "Carter",
                                   "Roberts"};
        const QStringList suffixes = {"", "son", "ton", "ley", "man", "er"};
        QStringList all;
        for (const QString &suffix : suffixes)
            for (const QString &root : roots)
                all << root + suffix;
        return all;
    }();
    return names;
}

const QStringList firstNames = {"James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda",
                                "David", "Elizabeth", "William", "Barbara", "Richard", "Susan", "Joseph", "Jessica",
                                "Thomas", "Sarah", "Charles", "Karen", "Daniel", "Nancy", "Matthew", "Lisa"};

struct Generator
{
    std::mt19937 rng{20101};

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    double money(double low, double high)
    {
        return std::round(std::uniform_real_distribution<double>(low, high)(rng) * 100.0) / 100.0;
    }
    QString pick(const QStringList &list) { return list.at(between(0, int(list.size()) - 1)); }
};

void bind(SQLite::Statement &stmt, int index, const QVariant &value)
{
    if (value.typeId() == QMetaType::Double)
        stmt.bind(index, value.toDouble());
    else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        stmt.bind(index, static_cast<int64_t>(value.toLongLong()));
    else
        stmt.bind(index, value.toString().toStdString());
}

// One insert statement per table, fed with rows of values.
class Inserter
{
public:
    Inserter(SQLite::Database &db, const QString &table, const QStringList &columns)
        : m_stmt(db, QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                         .arg(table, u'"' + columns.join(QStringLiteral("\", \"")) + u'"',
                              QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")))
                         .toStdString())
    {
    }
    void insert(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            bind(m_stmt, i + 1, values.at(i));
        m_stmt.exec();
        m_stmt.reset();
    }

private:
    SQLite::Statement m_stmt;
};

struct DetailTable
{
    QString name;
    QStringList columns;
    std::function<QVariantList(Generator &, const QString &clientId, int row)> row;
};

std::vector<DetailTable> detailTables()
{
    const QStringList cashTypes = {"Cash on Hand", "Checking Account", "Savings Account", "Certificated of Deposit",
                                   "Money Market Account"};
    const QStringList investmentTypes = {"401K", "Bond", "Mutual Fund", "Retirement Account", "SEP/IRA", "Stock", "Other"};
    const QStringList exchanges = {"Unlisted", "AMEX", "NASDAQ", "NYSE", "Other"};
    const QStringList estateTypes = {"Homestead", "Investment", "Rental", "Vacation", "Other"};
    const QStringList otherAssetTypes = {"Restricted or Margin Account", "Accounts and Notes Receivable",
                                         "All Other Assets"};
    const QStringList contingentTypes = {"Endorser or Co-Maker", "Guarantor", "Involvement in Pending Legal Action",
                                         "Leases or Contracts", "Special Debts (Ex: Alimony, Child Support, Etc.)", "Other"};
    const QStringList incomeTypes = {"Bonuses and Commissions", "Dividends and Interest Income", "Net Real Estate Income",
                                     "Oil and Gas Income / Royalties", "Salaries and Wages (Individual)",
                                     "Salaries and Wages (Spouse)", "All Other Income"};
    const QStringList expenseTypes = {"Alimony, Child Support, etc.", "Auto, Life and Health Insurance Premium",
                                      "Installment Payment (Auto, Credit Card, etc.)", "Lease Obligation",
                                      "Mortgage Payment", "Other Debt Service", "Rental Payment", "All Other Obligations"};
    const QStringList banks = {"First National", "Citizens Bank", "Harbor Savings", "Union Trust", "Prairie Credit Union"};
    const QStringList models = {"Toyota Camry", "Honda Accord", "Ford F-150", "Subaru Outback", "Chevrolet Tahoe"};

    return {
        {"Cash", {"ClientId", "RegisteredName", "Type", "Bank", "AccountNumber", "Balance", "Pledged", "PledgedTo"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Account holder %1").arg(row), g.pick(cashTypes), g.pick(banks),
                     QString::number(g.between(100000, 999999)), g.money(50, 80000), "No", ""};
         }},
        {"Investments",
         {"ClientId", "Description", "InvestmentType", "RegisteredName", "Exchange", "Shares", "PurchasePrice",
          "MarketValue", "Pledged", "PledgedTo"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Holding %1").arg(row), g.pick(investmentTypes), "Joint", g.pick(exchanges),
                     QString::number(g.between(10, 5000)), g.money(1000, 90000), g.money(1000, 120000), "No", ""};
         }},
        {"RealEstate",
         {"ClientId", "Description", "Type", "YearAcquired", "RegisteredName", "PercentOwned", "MarketValue",
          "TMarketValue", "LienHolder", "CurrentBalance", "PercentLiability", "TCurrentLiability"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             const double value = g.money(90000, 900000), balance = g.money(0, 500000);
             const double owned = g.between(1, 4) * 25.0;
             return {id, QStringLiteral("%1 Oak Street").arg(100 + row), g.pick(estateTypes),
                     QString::number(g.between(1975, 2010)), "Joint", owned, value, value * owned / 100, g.pick(banks),
                     balance, owned, balance * owned / 100};
         }},
        {"Auto", {"ClientId", "Model", "Year", "Description", "PurchasePrice", "CurrentValue", "MonthlyPayment"},
         [=](Generator &g, const QString &id, int) -> QVariantList {
             const QString model = g.pick(models), year = QString::number(g.between(1998, 2010));
             return {id, model, year, year + u' ' + model, g.money(8000, 60000), g.money(2000, 40000), g.money(0, 900)};
         }},
        {"LifeInsurance",
         {"ClientId", "Insured", "Company", "Beneficiary", "FaceValue", "CashValue", "Pledged", "PledgedTo"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Insured %1").arg(row), "Mutual Life", "Spouse", g.money(50000, 1000000),
                     g.money(0, 60000), "No", ""};
         }},
        {"PersonalAssets", {"ClientId", "Description", "Registered", "Value"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Household item %1").arg(row), "Joint", g.money(200, 40000)};
         }},
        {"BusinessAssets", {"ClientId", "Description", "Registered", "Value"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Partnership share %1").arg(row), "Individual", g.money(5000, 500000)};
         }},
        {"OtherAssets", {"ClientId", "Description", "Registered", "Type", "Value"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Other asset %1").arg(row), "Joint", g.pick(otherAssetTypes), g.money(100, 50000)};
         }},
        {"Autos2", {"ClientId", "Description", "Registered", "LienHolder", "LoanBalance"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Car loan %1").arg(row), "Individual", g.pick(banks), g.money(500, 45000)};
         }},
        {"Bank", {"ClientId", "Description", "Bank", "Registered", "Amount"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Note %1").arg(row), g.pick(banks), "Joint", g.money(1000, 150000)};
         }},
        {"CreditCards", {"ClientId", "Description", "CurrentBalance", "CreditLimit", "MemberSince"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Card %1").arg(row), g.money(0, 9000), g.money(2000, 25000),
                     QString::number(g.between(1985, 2010))};
         }},
        {"Taxes", {"ClientId", "Description", "Explanation", "Amount"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Property tax %1").arg(row), "Due next quarter", g.money(100, 12000)};
         }},
        {"Other", {"ClientId", "Description", "Amount", "MonthlyPayment"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             return {id, QStringLiteral("Personal loan %1").arg(row), g.money(500, 30000), g.money(20, 800)};
         }},
        {"Contingent", {"ClientId", "Description", "ToWhom", "Explanation", "Amount", "MonthlyPayment", "Maturity"},
         [=](Generator &g, const QString &id, int) -> QVariantList {
             return {id, g.pick(contingentTypes), "Family member", "Co-signed", g.money(1000, 80000), g.money(0, 600),
                     QStringLiteral("%1/01/2015").arg(g.between(1, 12), 2, 10, QChar('0'))};
         }},
        {"Incomes", {"ClientId", "Description", "Type", "Amount", "MAmount"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             const double amount = g.money(1000, 200000);
             return {id, QStringLiteral("Income %1").arg(row), g.pick(incomeTypes), amount,
                     qint64(std::llround(amount / 12 * 10000))};
         }},
        {"Expenditure", {"ClientId", "Description", "Type", "Amount", "MAmount"},
         [=](Generator &g, const QString &id, int row) -> QVariantList {
             const double amount = g.money(500, 60000);
             return {id, QStringLiteral("Expense %1").arg(row), g.pick(expenseTypes), amount,
                     qint64(std::llround(amount / 12 * 10000))};
         }},
        {"Legal", {"ClientId", "Will", "WillExplanation", "Divorce", "Bankruptcy", "Partner", "Defendant", "Judgement",
                   "Prenuptial", "SpouseAssets", "EstateAssets", "DebtAssets"},
         [=](Generator &g, const QString &id, int) -> QVariantList {
             const auto yn = [&g] { return g.between(0, 4) == 0 ? QStringLiteral("Yes") : QStringLiteral("No"); };
             return {id, yn(), "Executor named", yn(), yn(), yn(), yn(), yn(), yn(), yn(), yn(), yn()};
         }},
    };
}

} // namespace

const QStringList &heavyTables()
{
    static const QStringList tables = {"Cash",   "Investments", "RealEstate", "Auto",        "LifeInsurance",
                                       "PersonalAssets", "BusinessAssets", "OtherAssets", "Autos2", "Bank",
                                       "CreditCards", "Taxes", "Other", "Contingent", "Incomes", "Expenditure"};
    return tables;
}

QString heavyStatementId(const QString &table)
{
    const qsizetype index = heavyTables().indexOf(table);
    return index < 0 ? QString() : QString::number(index + 1);
}

bool writeFixture(const QString &path, int statements, QString *error)
{
    if (!createDatabaseFile(path, error))
        return false;
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("PRAGMA journal_mode = OFF");
        db.exec("PRAGMA synchronous = OFF");
        SQLite::Transaction transaction(db);
        Generator g;

        db.exec("INSERT INTO User (User, Password, HintQuestion1, HintAnswer1) "
                "VALUES ('bench', 'bench', 'What city were you born in?', 'Springfield')");
        Inserter client(db, "Client",
                        {"JointStatement", "FirstName", "MiddleInitial", "LastName", "City", "State", "Zip",
                         "MaritalStatus", "FullName", "FullName2", "SFirstName", "SLastName"});
        Inserter totals(db, "FSPro", {"ClientId", "Date", "Description", "CashOnHand", "TotalAssets", "TotalLiabilities",
                                      "NetWorth", "TotalLiabilitiesandNetWorth"});
        const std::vector<DetailTable> details = detailTables();
        std::vector<std::unique_ptr<Inserter>> inserters;
        for (const DetailTable &table : details)
            inserters.push_back(std::make_unique<Inserter>(db, table.name, table.columns));

        for (int s = 1; s <= statements; ++s) {
            const QString first = g.pick(firstNames), last = g.pick(lastNames());
            const QString middle = g.between(0, 2) ? QString(QChar(u'A' + g.between(0, 25))) : QString();
            const bool joint = g.between(0, 2) == 0;
            const QString fullName2 = middle.isEmpty() ? first + u' ' + last : first + u' ' + middle + QStringLiteral(". ") + last;
            client.insert({joint ? "Yes" : "No", first, middle, last, "Springfield", "IL", "62701",
                           joint ? "Married" : "Single", last + QStringLiteral(", ") + first, fullName2,
                           joint ? g.pick(firstNames) : QString(), joint ? last : QString()});
            const QString id = QString::number(db.getLastInsertRowid());
            const double assets = g.money(10000, 2000000), liabilities = g.money(0, 900000);
            totals.insert({id, "01/15/2010", fullName2, g.money(100, 90000), assets, liabilities, assets - liabilities,
                           assets});

            // 30 detail rows per statement on average: one legal row, two to six income and
            // expense items each, up to three rows in every other table.
            for (size_t t = 0; t < details.size(); ++t) {
                const QString &name = details[t].name;
                int rows = g.between(0, 3);
                if (name == QLatin1String("Legal"))
                    rows = 1;
                else if (name == QLatin1String("Incomes") || name == QLatin1String("Expenditure"))
                    rows = g.between(2, 6);
                if (s <= heavyTables().size() && heavyTables().at(s - 1) == name)
                    rows = 100;
                for (int r = 0; r < rows; ++r)
                    inserters[t]->insert(details[t].row(g, id, r + 1));
            }
        }
        // Rows that belong to no statement, as an interrupted entry leaves them.
        for (int r = 0; r < 40; ++r)
            inserters[size_t(r % 5)]->insert(details[size_t(r % 5)].row(g, QString(), r));
        transaction.commit();
        db.exec("PRAGMA journal_mode = DELETE");
    } catch (const SQLite::Exception &e) {
        QFile::remove(path);
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

QString benchDatabasePath()
{
    const QString configured = qEnvironmentVariable("WORTHSHEET_BENCH_DB");
    if (!configured.isEmpty())
        return configured;
    const QString generated = QDir::temp().filePath(QStringLiteral("worthsheet-bench-10000.ABS"));
    if (!QFileInfo::exists(generated))
        writeFixture(generated, 10000);
    return generated;
}

QString writableBenchDatabase()
{
    static const QString copy = [] {
        const QString path = QDir::temp().filePath(QStringLiteral("worthsheet-bench-writable.ABS"));
        QFile::remove(path);
        QFile::copy(benchDatabasePath(), path);
        return path;
    }();
    return copy;
}
