#include "statement_rules.h"

#include <cmath>
#include <vector>

#include "base/amount_limits.h"
#include "base/dates.h"
#include "data/entry_lists.h"

namespace StatementRules {

namespace {

enum class Meaning { Date, Percent, Entry };

struct FieldMeaning
{
    const char *table;
    const char *field;
    Meaning meaning;
    const QStringList &(*entries)() = nullptr;
};

// The fields whose windows take a date, a percent or an entry of a fixed list, the
// spouse's particulars (prefixed "S") beside the person's. The states are not among them:
// their lists take a typed code that is no entry (a state the list lacks).
const std::vector<FieldMeaning> &meanings()
{
    using namespace EntryLists;
    static const std::vector<FieldMeaning> list = {
        {"Client", "Birthday", Meaning::Date},
        {"Client", "SBirthday", Meaning::Date},
        {"Client", "MaritalStatus", Meaning::Entry, maritalStatuses},
        {"Client", "SMaritalStatus", Meaning::Entry, maritalStatuses},
        {"FSPro", "Date", Meaning::Date},
        {"Cash", "Type", Meaning::Entry, cashTypes},
        {"Cash", "Pledged", Meaning::Entry, noYes},
        {"Investments", "InvestmentType", Meaning::Entry, investmentTypes},
        {"Investments", "Exchange", Meaning::Entry, exchanges},
        {"Investments", "Pledged", Meaning::Entry, noYes},
        {"RealEstate", "Type", Meaning::Entry, realEstateTypes},
        {"RealEstate", "PercentOwned", Meaning::Percent},
        {"RealEstate", "PercentLiability", Meaning::Percent},
        {"LifeInsurance", "Pledged", Meaning::Entry, noYes},
        {"OtherAssets", "Type", Meaning::Entry, otherAssetTypes},
        {"Contingent", "Description", Meaning::Entry, contingentTypes},
        {"Contingent", "Maturity", Meaning::Date},
        {"Incomes", "Type", Meaning::Entry, incomeTypes},
        {"Expenditure", "Type", Meaning::Entry, expenseTypes},
        {"Legal", "Will", Meaning::Entry, noYes},
        {"Legal", "Divorce", Meaning::Entry, noYes},
        {"Legal", "Bankruptcy", Meaning::Entry, noYes},
        {"Legal", "Partner", Meaning::Entry, noYes},
        {"Legal", "Defendant", Meaning::Entry, noYes},
        {"Legal", "Judgement", Meaning::Entry, noYes},
        {"Legal", "Prenuptial", Meaning::Entry, noYes},
        {"Legal", "SpouseAssets", Meaning::Entry, noYes},
        {"Legal", "EstateAssets", Meaning::Entry, noYes},
        {"Legal", "DebtAssets", Meaning::Entry, noYes},
        // The fields of the lender's forms (version 2 of the file).
        {"Client", "BusinessType", Meaning::Entry, businessTypes},
        {"Client", "ProgramLoans", Meaning::Entry, noYes},
        {"Client", "Program8a", Meaning::Entry, noYes},
        {"Client", "ProgramWOSB", Meaning::Entry, noYes},
        {"Client", "ProgramDisaster", Meaning::Entry, noYes},
        {"RealEstate", "DatePurchased", Meaning::Date},
        {"RealEstate", "Occupancy", Meaning::Entry, occupancies},
        {"RealEstate", "InterestRate", Meaning::Percent},
        {"RealEstate", "LienStatus", Meaning::Entry, lienStatuses},
        {"Bank", "PaymentFrequency", Meaning::Entry, paymentFrequencies},
        {"Investments", "QuotationDate", Meaning::Date},
        {"Contingent", "Category", Meaning::Entry, contingentCategories},
        {"Other", "Category", Meaning::Entry, otherLiabilityCategories},
        {"Taxes", "DueDate", Meaning::Date},
    };
    return list;
}

const FieldMeaning *meaningOf(const QString &table, const QString &field)
{
    for (const FieldMeaning &m : meanings())
        if (table == QLatin1String(m.table) && field == QLatin1String(m.field))
            return &m;
    return nullptr;
}

QString beyond(double limit)
{
    return QStringLiteral("an amount beyond %1").arg(limit, 0, 'f', 0);
}

bool isDate(const QString &text)
{
    return Dates::parseExact(text).has_value();
}

} // namespace

const QStringList *fixedEntries(const QString &table, const QString &field)
{
    const FieldMeaning *m = meaningOf(table, field);
    return m && m->meaning == Meaning::Entry ? &m->entries() : nullptr;
}

bool isDateField(const QString &table, const QString &field)
{
    const FieldMeaning *m = meaningOf(table, field);
    return m && m->meaning == Meaning::Date;
}

bool isPercentField(const QString &table, const QString &field)
{
    const FieldMeaning *m = meaningOf(table, field);
    return m && m->meaning == Meaning::Percent;
}

QString amountProblem(const ExchangeField &field, double dollars)
{
    if (!std::isfinite(dollars))
        return QStringLiteral("an amount that is not a finite number");
    const double limit = field.kind == FieldKind::Currency ? MaxMonthlyAmount : MaxAmount;
    if (std::fabs(dollars) > limit)
        return beyond(limit);
    return {};
}

QString textProblem(const ExchangeTable &table, const ExchangeField &field, const QString &text)
{
    // The program's texts end at a NUL wherever they are read; none is ever stored.
    if (text.contains(QChar(u'\0')))
        return QStringLiteral("a text holding the character NUL (\\u0000), which no field can keep");
    if (text.isEmpty())
        return {};
    if (isDateField(table.name, field.name) && !isDate(text))
        return QStringLiteral("\"%1\" is no date in the form mm/dd/yyyy").arg(text);
    // A file written before a list entry's spelling was corrected still imports.
    const bool formerSpelling = table.name == QLatin1String("Cash") && field.name == QLatin1String("Type")
        && EntryLists::cashTypeFormerSpellings().contains(text);
    if (const QStringList *entries = fixedEntries(table.name, field.name);
        entries && !entries->contains(text) && !formerSpelling)
        return QStringLiteral("\"%1\" is not an entry of the list (%2)").arg(text, entries->join(QStringLiteral(", ")));
    return {};
}

QString valueProblem(const ExchangeTable &table, const ExchangeField &field, const QVariant &value)
{
    if (!value.isValid())
        return {};
    switch (field.kind) {
    case FieldKind::Text:
        return textProblem(table, field, value.toString());
    case FieldKind::Float:
        return amountProblem(field, value.toDouble());
    case FieldKind::Currency:
    case FieldKind::Key: {
        // Compared in whole ten-thousandths: a double cannot tell 10^18 from 10^18 + 1.
        constexpr qint64 limit = qint64(MaxMonthlyAmount) * 10000;
        const qint64 units = value.toLongLong();
        return units > limit || units < -limit ? beyond(MaxMonthlyAmount) : QString();
    }
    }
    return {};
}

} // namespace StatementRules
