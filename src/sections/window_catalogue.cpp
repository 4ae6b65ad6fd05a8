#include "window_catalogue.h"

namespace {

CatalogueEntry section(const char *className, const char *caption, WindowFamily family, const char *link,
                       const char *linkCaption, int linkRow, QStringList totals, const char *previous,
                       const char *next)
{
    CatalogueEntry entry{className, caption, family, link, linkCaption, linkRow, std::move(totals)};
    entry.previous = previous;
    entry.next = next;
    return entry;
}

} // namespace

const std::vector<CatalogueEntry> &windowCatalogue()
{
    using F = WindowFamily;
    static const std::vector<CatalogueEntry> entries = [] {
        std::vector<CatalogueEntry> e = {
            section("TfrmPersonalInfo", "Personal Information", F::PersonalInformation, "lblPersonalInformation",
                    "Information", 0, {}, nullptr, "TfrmPersonalEmployment"),
            section("TfrmPersonalEmployment", "Personal Employment", F::Particulars, "lblPersonalEmployment",
                    "Employment", 0, {}, "TfrmPersonalInfo", "TfrmPersonalContacts"),
            section("TfrmPersonalContacts", "Personal Contacts", F::Particulars, "lblContacts", "Contacts", 0, {},
                    "TfrmPersonalEmployment", "TfrmCash"),
            section("TfrmSpouseInfo", "Spouse's Information", F::Spouse, "lblSpouseInfo", "Information", 0, {},
                    "TfrmPersonalContacts", "TfrmSpouseEmployment"),
            section("TfrmSpouseEmployment", "Spouse's Employment", F::Spouse, "lblSpouseEmployment", "Employment", 0,
                    {}, "TfrmSpouseInfo", "TfrmSpouseContacts"),
            section("TfrmSpouseContacts", "Spouse's Contacts", F::Spouse, "lblSpouseContacts", "Contacts", 0, {},
                    "TfrmSpouseEmployment", "TfrmCash"),
            section("TfrmCash", "Assets - Cash", F::List, "lblCash", "Cash", 1, {"dbE1"}, "TfrmPersonalContacts",
                    "TfrmInvestments"),
            section("TfrmInvestments", "Assets - Investments", F::List, "lblInvestments", "Investments", 1, {"dbE3"},
                    "TfrmCash", "TfrmRealEstate"),
            section("TfrmRealEstate", "Assets - Real Estate", F::List, "lblRealEstate", "Real Estate", 1, {"dbE2"},
                    "TfrmInvestments", "TfrmAutos"),
            section("TfrmAutos", "Assets - Autos", F::List, "lblAutos", "Autos", 1, {"dbE4"}, "TfrmRealEstate",
                    "TfrmLifeInsurance"),
            section("TfrmLifeInsurance", "Assets - Life Insurance", F::List, "lblLifeInsurance", "Life Insurance", 1,
                    {"dbE5"}, "TfrmAutos", "TfrmPersonal"),
            section("TfrmPersonal", "Assets - Personal", F::List, "lblPersonal", "Personal", 1, {"dbE6"},
                    "TfrmLifeInsurance", "TfrmBusiness"),
            section("TfrmBusiness", "Assets - Business", F::List, "lblBusiness", "Business", 1, {"dbE7"},
                    "TfrmPersonal", "TfrmOther"),
            section("TfrmOther", "Assets - Other", F::List, "lblOther", "Other", 1, {"dbE8", "dbE9", "dbE10"},
                    "TfrmBusiness", "TfrmBank_Liabilities"),
            section("TfrmBank_Liabilities", "Liabilities - Bank", F::List, "lblBank_Liability", "Bank", 2, {"dbE11"},
                    "TfrmOther", "TfrmRealEstate_Liabilities"),
            section("TfrmRealEstate_Liabilities", "Liabilities - Real Estate", F::List, "lblMortgages_Liability",
                    "Mortgages", 2, {"dbE12"}, "TfrmBank_Liabilities", "TfrmCreditCard_Liabilities"),
            section("TfrmCreditCard_Liabilities", "Liabilities - Credit Cards", F::List, "lblCreditCard_Liability",
                    "Credit Cards", 2, {"dbE13"}, "TfrmRealEstate_Liabilities", "TfrmAutos_Liabilities"),
            section("TfrmAutos_Liabilities", "Liabilities - Autos", F::List, "lblAuto_Liability", "Autos", 2,
                    {"dbE14"}, "TfrmCreditCard_Liabilities", "TfrmTax_Liabilities"),
            section("TfrmTax_Liabilities", "Liabilities - Taxes", F::List, "lblTaxes_Liability", "Taxes", 2,
                    {"dbE15"}, "TfrmAutos_Liabilities", "TfrmOther_Liabilities"),
            section("TfrmOther_Liabilities", "Liabilities - Other", F::List, "lblOther_Liability", "Other", 2,
                    {"dbE16"}, "TfrmTax_Liabilities", "TfrmContingent_Liabilities"),
            section("TfrmContingent_Liabilities", "Liabilities - Contingent", F::List, "lblContingent_Liability",
                    "Contingent", 2, {"dbE17"}, "TfrmOther_Liabilities", "TfrmIncome"),
            section("TfrmIncome", "Income", F::List, "lblIncome", "Income", 3, {}, "TfrmContingent_Liabilities",
                    "TfrmExpenses"),
            section("TfrmExpenses", "Expenses", F::List, "lblExpenses", "Expenses", 3, {}, "TfrmIncome", "TfrmLegal"),
            section("TfrmLegal", "Legal", F::Legal, "lblLegal1", "Legal 1", 4, {}, "TfrmExpenses", "TfrmLegal2"),
            section("TfrmLegal2", "Legal", F::Legal, "lblLegal2", "Legal 2", 4, {}, "TfrmLegal", nullptr),
            {"TfrmPrint", "Print Financial Statement", F::Other},
            {"TfrmInfo", "Information", F::Other},
            {"TfrmReadiness", "Ready for the Lender?", F::Other},
            {"TfrmCompare", "Compare Statements", F::Other},
            {"TfrmStatementDate", "Statement Date", F::Other},
            {"TfrmBackup", "Backup Financial Data", F::Other},
            {"TfrmRestore", "Restore Financial Data", F::Other},
        };
        // The joint branch: the spouse's windows lie between the person's contacts and cash.
        for (CatalogueEntry &entry : e) {
            if (QLatin1String(entry.className) == QLatin1String("TfrmPersonalContacts"))
                entry.nextJoint = "TfrmSpouseInfo";
            if (QLatin1String(entry.className) == QLatin1String("TfrmCash"))
                entry.previousJoint = "TfrmSpouseContacts";
        }
        return e;
    }();
    return entries;
}

const CatalogueEntry *findWindow(const QString &name)
{
    for (const CatalogueEntry &entry : windowCatalogue()) {
        if (name == QLatin1String(entry.className) || (entry.link && name == QLatin1String(entry.link))
            || entry.totals.contains(name))
            return &entry;
    }
    return nullptr;
}

QString nextWindow(const CatalogueEntry &entry, bool joint)
{
    return QString::fromLatin1(joint && entry.nextJoint ? entry.nextJoint : entry.next);
}

QString previousWindow(const CatalogueEntry &entry, bool joint)
{
    return QString::fromLatin1(joint && entry.previousJoint ? entry.previousJoint : entry.previous);
}

bool editsClientRow(const QString &className)
{
    const CatalogueEntry *entry = findWindow(className);
    return entry
        && (entry->family == WindowFamily::PersonalInformation || entry->family == WindowFamily::Particulars
            || entry->family == WindowFamily::Spouse);
}
