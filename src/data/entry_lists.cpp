#include "entry_lists.h"

namespace EntryLists {

const QStringList &cashTypes()
{
    static const QStringList list = {"Cash on Hand", "Checking Account", "Savings Account", "Certificate of Deposit",
                                     "Money Market Account"};
    return list;
}

const QHash<QString, QString> &cashTypeFormerSpellings()
{
    static const QHash<QString, QString> spellings = {{"Certificated of Deposit", "Certificate of Deposit"}};
    return spellings;
}

const QStringList &investmentTypes()
{
    using namespace InvestmentType;
    static const QStringList list = {K401, Bond, MutualFund, Retirement, SepIra, Stock, Other};
    return list;
}

const QStringList &exchanges()
{
    static const QStringList list = {"Unlisted", "AMEX", "BSE",   "CBOE",  "CBOT",  "CHX", "CME", "KCBT",
                                     "MGE",      "NASDAQ", "NYBOT", "NYMEX", "NYSE", "PHLX", "PSE", "Other"};
    return list;
}

const QStringList &realEstateTypes()
{
    static const QStringList list = {"Homestead", "Investment", "Rental", "Vacation", "Other"};
    return list;
}

const QStringList &otherAssetTypes()
{
    using namespace OtherAssetType;
    static const QStringList list = {Margin, NotesReceivable, AllOther};
    return list;
}

const QStringList &contingentTypes()
{
    static const QStringList list = {"Endorser or Co-Maker",
                                     "Guarantor",
                                     "Involvement in Pending Legal Action",
                                     "Leases or Contracts",
                                     "Special Debts (Ex: Alimony, Child Support, Etc.)",
                                     "Other"};
    return list;
}

const QStringList &incomeTypes()
{
    using namespace IncomeType;
    static const QStringList list = {Bonus, Dividends, RealEstate, Oil, SalaryIndividual, SalarySpouse, AllOther};
    return list;
}

const QStringList &expenseTypes()
{
    using namespace ExpenseType;
    static const QStringList list = {Alimony, Insurance, Installment, Lease, Mortgage, OtherDebt, Rental, AllOther};
    return list;
}

const QStringList &businessTypes()
{
    static const QStringList list = {"Corporation", "S-Corp", "LLC", "Partnership", "Sole Proprietor"};
    return list;
}

const QStringList &occupancies()
{
    static const QStringList list = {"Owner Occupied", "Second Home", "Tenant Occupied", "Partly Tenant Occupied",
                                     "Vacant"};
    return list;
}

const QStringList &lienStatuses()
{
    static const QStringList list = {"Current",          "30 Days Past Due", "60 Days Past Due",
                                     "90+ Days Past Due", "In Forbearance",   "In Foreclosure"};
    return list;
}

const QStringList &paymentFrequencies()
{
    static const QStringList list = {"Weekly",        "Every Two Weeks", "Monthly",    "Quarterly",
                                     "Semi-Annually", "Annually",        "At Maturity"};
    return list;
}

const QStringList &contingentCategories()
{
    static const QStringList list = {"As Endorser or Co-Maker", "Legal Claims & Judgments",
                                     "Provision for Federal Income Tax", "Other Special Debt"};
    return list;
}

QString contingentCategoryOf(const QString &category, const QString &description)
{
    if (contingentCategories().contains(category))
        return category;
    if (description == QLatin1String("Endorser or Co-Maker") || description == QLatin1String("Guarantor"))
        return contingentCategories()[0];
    if (description == QLatin1String("Involvement in Pending Legal Action"))
        return contingentCategories()[1];
    return contingentCategories()[3];
}

const QStringList &otherLiabilityCategories()
{
    static const QStringList list = {"Other Liability", "Installment Account", "Loan Against Life Insurance"};
    return list;
}

const QStringList &noYes()
{
    static const QStringList list = {"No", "Yes"};
    return list;
}

const QStringList &states()
{
    static const QStringList list = {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
                                     "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MO", "MT",
                                     "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI",
                                     "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY"};
    return list;
}

const QStringList &maritalStatuses()
{
    static const QStringList list = {"Single", "Married", "Separated", "Widowed"};
    return list;
}

const QStringList &spouseMaritalStatuses()
{
    static const QStringList list = QStringList{QString()} + maritalStatuses();
    return list;
}

} // namespace EntryLists
