#include "window_catalogue.h"

const std::vector<CatalogueEntry> &windowCatalogue()
{
    using F = WindowFamily;
    using W = StatementWindow;
    static const std::vector<CatalogueEntry> entries = {
        {.className = "TfrmPersonalInfo", .caption = "Personal Information", .family = F::PersonalInformation,
         .window = W::PersonalInformation, .link = "lblPersonalInformation", .linkCaption = "Information",
         .linkRow = 0, .next = "TfrmPersonalEmployment"},
        {.className = "TfrmPersonalEmployment", .caption = "Personal Employment", .family = F::Particulars,
         .window = W::PersonalEmployment, .link = "lblPersonalEmployment", .linkCaption = "Employment", .linkRow = 0, .next = "TfrmPersonalContacts",
         .previous = "TfrmPersonalInfo"},
        // On a joint statement the spouse's windows lie between the person's contacts and cash.
        {.className = "TfrmPersonalContacts", .caption = "Personal Contacts", .family = F::Particulars,
         .link = "lblContacts", .linkCaption = "Contacts", .linkRow = 0, .next = "TfrmCash",
         .previous = "TfrmPersonalEmployment", .nextJoint = "TfrmSpouseInfo"},
        {.className = "TfrmSpouseInfo", .caption = "Spouse's Information", .family = F::Spouse,
         .window = W::SpouseInformation, .link = "lblSpouseInfo", .linkCaption = "Information", .linkRow = 0,
         .next = "TfrmSpouseEmployment", .previous = "TfrmPersonalContacts"},
        {.className = "TfrmSpouseEmployment", .caption = "Spouse's Employment", .family = F::Spouse,
         .link = "lblSpouseEmployment", .linkCaption = "Employment", .linkRow = 0, .next = "TfrmSpouseContacts",
         .previous = "TfrmSpouseInfo"},
        {.className = "TfrmSpouseContacts", .caption = "Spouse's Contacts", .family = F::Spouse,
         .link = "lblSpouseContacts", .linkCaption = "Contacts", .linkRow = 0, .next = "TfrmCash",
         .previous = "TfrmSpouseEmployment"},
        {.className = "TfrmCash", .caption = "Assets - Cash", .family = F::List, .window = W::Cash, .link = "lblCash",
         .linkCaption = "Cash", .linkRow = 1, .totals = {"dbE1"}, .next = "TfrmInvestments",
         .previous = "TfrmPersonalContacts", .previousJoint = "TfrmSpouseContacts"},
        {.className = "TfrmInvestments", .caption = "Assets - Investments", .family = F::List,
         .window = W::Investments, .link = "lblInvestments", .linkCaption = "Investments", .linkRow = 1,
         .totals = {"dbE3"}, .next = "TfrmRealEstate", .previous = "TfrmCash"},
        {.className = "TfrmRealEstate", .caption = "Assets - Real Estate", .family = F::List, .window = W::RealEstate,
         .link = "lblRealEstate", .linkCaption = "Real Estate", .linkRow = 1, .totals = {"dbE2"}, .next = "TfrmAutos",
         .previous = "TfrmInvestments"},
        {.className = "TfrmAutos", .caption = "Assets - Autos", .family = F::List, .window = W::Autos,
         .link = "lblAutos", .linkCaption = "Autos", .linkRow = 1, .totals = {"dbE4"}, .next = "TfrmLifeInsurance",
         .previous = "TfrmRealEstate"},
        {.className = "TfrmLifeInsurance", .caption = "Assets - Life Insurance", .family = F::List,
         .window = W::LifeInsurance, .link = "lblLifeInsurance", .linkCaption = "Life Insurance", .linkRow = 1,
         .totals = {"dbE5"}, .next = "TfrmPersonal", .previous = "TfrmAutos"},
        {.className = "TfrmPersonal", .caption = "Assets - Personal", .family = F::List, .window = W::PersonalAssets,
         .link = "lblPersonal", .linkCaption = "Personal", .linkRow = 1, .totals = {"dbE6"}, .next = "TfrmBusiness",
         .previous = "TfrmLifeInsurance"},
        {.className = "TfrmBusiness", .caption = "Assets - Business", .family = F::List, .window = W::BusinessAssets,
         .link = "lblBusiness", .linkCaption = "Business", .linkRow = 1, .totals = {"dbE7"}, .next = "TfrmOther",
         .previous = "TfrmPersonal"},
        {.className = "TfrmOther", .caption = "Assets - Other", .family = F::List, .window = W::OtherAssets,
         .link = "lblOther", .linkCaption = "Other", .linkRow = 1, .totals = {"dbE8", "dbE9", "dbE10"},
         .next = "TfrmBank_Liabilities", .previous = "TfrmBusiness"},
        {.className = "TfrmBank_Liabilities", .caption = "Liabilities - Bank", .family = F::List,
         .window = W::BankNotes, .link = "lblBank_Liability", .linkCaption = "Bank", .linkRow = 2,
         .totals = {"dbE11"}, .next = "TfrmRealEstate_Liabilities", .previous = "TfrmOther"},
        {.className = "TfrmRealEstate_Liabilities", .caption = "Liabilities - Real Estate", .family = F::List,
         .window = W::Mortgages, .link = "lblMortgages_Liability", .linkCaption = "Mortgages", .linkRow = 2,
         .totals = {"dbE12"}, .next = "TfrmCreditCard_Liabilities", .previous = "TfrmBank_Liabilities"},
        {.className = "TfrmCreditCard_Liabilities", .caption = "Liabilities - Credit Cards", .family = F::List,
         .window = W::CreditCards, .link = "lblCreditCard_Liability", .linkCaption = "Credit Cards", .linkRow = 2,
         .totals = {"dbE13"}, .next = "TfrmAutos_Liabilities", .previous = "TfrmRealEstate_Liabilities"},
        {.className = "TfrmAutos_Liabilities", .caption = "Liabilities - Autos", .family = F::List,
         .window = W::AutoLoans, .link = "lblAuto_Liability", .linkCaption = "Autos", .linkRow = 2,
         .totals = {"dbE14"}, .next = "TfrmTax_Liabilities", .previous = "TfrmCreditCard_Liabilities"},
        {.className = "TfrmTax_Liabilities", .caption = "Liabilities - Taxes", .family = F::List, .window = W::Taxes,
         .link = "lblTaxes_Liability", .linkCaption = "Taxes", .linkRow = 2, .totals = {"dbE15"},
         .next = "TfrmOther_Liabilities", .previous = "TfrmAutos_Liabilities"},
        {.className = "TfrmOther_Liabilities", .caption = "Liabilities - Other", .family = F::List,
         .window = W::OtherLiabilities, .link = "lblOther_Liability", .linkCaption = "Other", .linkRow = 2,
         .totals = {"dbE16"}, .next = "TfrmContingent_Liabilities", .previous = "TfrmTax_Liabilities"},
        {.className = "TfrmContingent_Liabilities", .caption = "Liabilities - Contingent", .family = F::List,
         .window = W::Contingent, .link = "lblContingent_Liability", .linkCaption = "Contingent", .linkRow = 2,
         .totals = {"dbE17"}, .next = "TfrmIncome", .previous = "TfrmOther_Liabilities"},
        {.className = "TfrmIncome", .caption = "Income", .family = F::List, .window = W::Income, .link = "lblIncome",
         .linkCaption = "Income", .linkRow = 3, .next = "TfrmExpenses", .previous = "TfrmContingent_Liabilities"},
        {.className = "TfrmExpenses", .caption = "Expenses", .family = F::List, .window = W::Expenses,
         .link = "lblExpenses", .linkCaption = "Expenses", .linkRow = 3, .next = "TfrmLegal",
         .previous = "TfrmIncome"},
        {.className = "TfrmLegal", .caption = "Legal", .family = F::Legal, .window = W::FirstLegal,
         .link = "lblLegal1", .linkCaption = "Legal 1", .linkRow = 4, .next = "TfrmLegal2",
         .previous = "TfrmExpenses"},
        {.className = "TfrmLegal2", .caption = "Legal", .family = F::Legal, .window = W::SecondLegal,
         .link = "lblLegal2", .linkCaption = "Legal 2", .linkRow = 4, .previous = "TfrmLegal"},
        {.className = "TfrmPrint", .caption = "Print Financial Statement", .family = F::Other},
        {.className = "TfrmInfo", .caption = "Information", .family = F::Other},
        {.className = "TfrmReadiness", .caption = "Ready for the Lender?", .family = F::Other},
        {.className = "TfrmCompare", .caption = "Compare Statements", .family = F::Other},
        {.className = "TfrmStatementDate", .caption = "Statement Date", .family = F::Other,
         .window = W::StatementDate},
        {.className = "TfrmBackup", .caption = "Backup Financial Data", .family = F::Other},
        {.className = "TfrmRestore", .caption = "Restore Financial Data", .family = F::Other},
    };
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

const CatalogueEntry *findWindow(StatementWindow window)
{
    for (const CatalogueEntry &entry : windowCatalogue())
        if (window != StatementWindow::None && entry.window == window)
            return &entry;
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
