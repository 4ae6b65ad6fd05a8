#include "summary_sections.h"

#include "data/tdm1.h"
#include "base/product.h"

namespace {

constexpr double BarWidth = 718;
constexpr double RowPitch = 25;
// A row's rule runs 19 pixels below the row's top.
constexpr double RuleDrop = 19;

struct Cell
{
    const char *caption;
    double left;
    const char *field;
};

// The particulars rows; the residence phone's caption moves on the joint pages.
const std::vector<std::vector<Cell>> &particularsRows()
{
    static const std::vector<std::vector<Cell>> rows = {
        {{"Name: ", 4, "FullName2"},
         {"Dependents:", 212, "Dependants"},
         {"Birthdate: ", 301, "Birthday"},
         {"Driver's Lic. #: ", 434, "DriversLicenseandState"},
         {"SS#: ", 609, "SSN"}},
        {{"Address: ", 4, "Address"}, {"City: ", 302, "City"}, {"State: ", 436, "State"}, {"Zip: ", 512, "Zip"}},
        {{"Employer: ", 4, "Employer"}, {"Position: ", 302, "Position"}, {"# of Years: ", 512, "YearsEmployed"}},
        {{"Employer's Address: ", 4, "EAddress"},
         {"City: ", 302, "ECity"},
         {"State: ", 436, "EState"},
         {"Zip: ", 512, "EZip"}},
        {{"Business Phone:", 4, "BusinessPhone"}, {"Residence Phone: ", 212, "PersonalPhone"}, {"E-Mail:", 436, "Email"}},
    };
    return rows;
}

// The cell separators of each particulars row.
const std::array<std::vector<double>, 5> ParticularsSeparators = {
    std::vector<double>{205, 295, 428, 603}, {295, 428, 503}, {295, 503}, {295, 428, 503}, {205, 428}};

struct Note
{
    const char *text = nullptr;
    double left = 0;
};

// A total prints bold, its field in the wider total column.
enum class Weight { Regular, RightTotal, Total };

struct AmountRow
{
    AmountRow(const char *leftCaption, const char *leftField, const char *rightCaption, const char *rightField,
              Weight weight = Weight::Regular, Note leftNote = {}, Note rightNote = {})
        : leftCaption(leftCaption), leftField(leftField), rightCaption(rightCaption), rightField(rightField),
          weight(weight), leftNote(leftNote), rightNote(rightNote)
    {
    }

    const char *leftCaption;
    const char *leftField;
    const char *rightCaption;
    const char *rightField;
    Weight weight;
    Note leftNote;
    Note rightNote;
};

const char *const ContingentCaption = "Contingent Liabilities (O)";
const char *const ContingentNote = "(Does not affect Net Worth)";

const std::vector<AmountRow> BalanceRows = {
    {"Cash", "CashOnHand", "Notes Payable", "BankLiability", Weight::Regular, {"(Refer to Schedule A)", 36},
     {"(Refer to Schedule I)", 450}},
    {"Real Estate (B)", "RealEstateTotals", "Mortgages Payable (J)", "MortgageLiabilitiesTotals"},
    {"Securities (C)", "InvestmentTotals", "Credit Card Liability (K)", "CreditCardLiability"},
    {"Automobiles (D)", "AutoTotal", "Auto Liability (L)", "AutoLiability"},
    {"Cash Value Life Insurance (E)", "LifeCash", "Tax Liability (M)", "TaxLiability"},
    {"Household and Personal Assets (F)", "PersonalAssets", "All Other Liabilities (N)", "OtherLiability"},
    {"Business Assets (G)", "BusinessAssets", nullptr, nullptr},
    {"Accounts and Notes Receivable (H)", "NotesReceivable", ContingentCaption, "ContingentLiability"},
    {"Restricted or Margin Accounts (H)", "MarginAccounts", "Total Liabilities", "TotalLiabilities", Weight::RightTotal},
    {"All Other Assets (H)", "OtherAssets", "Total Liabilities & Net Worth", "TotalLiabilitiesandNetWorth",
     Weight::RightTotal},
    {"Total Assets", "TotalAssets", "Net Worth", "NetWorth", Weight::Total, {}, {"(Total Assets - Total Liabilities)", 427}},
};

const std::vector<AmountRow> IncomeRows = {
    {"Salaries & Wages (Individual)", "Salary", "Installment Payments", "Installment_Exp"},
    {"Salaries & Wages (Spouse)", "Salary_Spouse", "Lease Obligations", "Lease_Exp"},
    {"Bonuses & Commissions", "Bonus", "Mortgage Payments", "Mortgage_Exp"},
    {"Dividends & Interest Income", "Dividends", "Other Debt Service", "OtherDebt_Exp"},
    {"Net Real Estate Income", "RealEstateIncome", "Alimony, Child Support, etc", "Alimony_Exp"},
    {"Oil & Gas Income/Royalties", "OilIncome", "Auto, Life & Health Insurance Premiums", "Insurance_Exp"},
    {"All Other Income", "OtherIncome", "All Other Expenditures", "Other_Exp"},
    {nullptr, nullptr, "Rental Payments", "Rental_Exp"},
};
const AmountRow IncomeTotals = {"Total Income", "IncomeTotal", "Total Expenditures", "ExpenseTotal", Weight::Total};

constexpr FieldPlace LeftField{242, 117};
constexpr FieldPlace LeftTotal{232, 127};
constexpr FieldPlace RightTotal{589, 126};
constexpr double LeftCaption = 6;
constexpr double RightCaption = 370;
const double ColumnRules[] = {235, 359, 590};

void sectionBar(std::vector<ItemSpec> &items, const QString &title, double top, double titleTop, TextStyle style,
                double width)
{
    items.push_back(bar(1, top, width, 22));
    items.push_back(caption(title, 5, titleTop, 0, Qt::AlignLeft, style));
}

void amountCell(std::vector<ItemSpec> &items, const char *text, double captionLeft, const Note &note,
                const char *fieldName, FieldPlace place, bool total, double top, bool withField)
{
    const TextStyle style = total ? bold(8) : regular(8);
    items.push_back(caption(text, captionLeft, top, 0, Qt::AlignLeft, style));
    if (note.text)
        items.push_back(caption(note.text, note.left, top));
    if (withField)
        items.push_back(field(&Tdm1::tblFSPro, fieldName, place.left, top, place.width, Qt::AlignRight, style));
}

// One row of an amount table: captions, notes and, when asked, the FSPro fields.
void amountRow(std::vector<ItemSpec> &items, const AmountRow &row, double top, const AmountTablePlaces &places,
               const std::vector<ItemSpec> &rightNote = {})
{
    const bool leftTotal = row.weight == Weight::Total;
    const bool rightTotal = row.weight != Weight::Regular;
    if (row.leftCaption)
        amountCell(items, row.leftCaption, LeftCaption, row.leftNote, row.leftField, leftTotal ? LeftTotal : LeftField,
                   leftTotal, top, places.withFields);
    if (row.rightCaption) {
        amountCell(items, row.rightCaption, RightCaption, row.rightNote, row.rightField,
                   rightTotal ? RightTotal : places.rightField, rightTotal, top, places.withFields);
        items << rightNote;
    }
}

void tableHead(std::vector<ItemSpec> &items, const QString &title, const std::array<const char *, 4> &headings,
               const AmountTablePlaces &places)
{
    sectionBar(items, title, places.barTop, places.titleTop, places.titleStyle, BarWidth);
    items.push_back(bar(1, places.greyTop, BarWidth, 25, HeadingGrey));
    for (size_t i = 0; i < headings.size(); ++i) {
        const HeadingPlace &h = places.headings[i];
        items.push_back(caption(headings[i], h.left, places.headingTop, h.width, h.alignment, places.headingStyle));
    }
}

void columnRules(std::vector<ItemSpec> &items, double top, double bottom, double pen)
{
    for (double left : ColumnRules)
        items.push_back(vrule(left, top, bottom - top, pen));
}

} // namespace

namespace SummarySections {

BandSpec header(const ItemSpec &heading, bool webAddress)
{
    BandSpec band{Report::BandKind::PageHeader,
                  HeaderBandHeight,
                  2,
                  {hrule(0, 1, BandWidth, 2), hrule(0, 48, BandWidth, 2), heading}};
    if (webAddress)
        band.items.push_back(caption(QString::fromLatin1(ProductSite), 6, 32, 0, Qt::AlignLeft, regular(8)));
    return band;
}

BandSpec statementHeader()
{
    return header(caption("WORTHSHEET", 373, 18, 337, Qt::AlignRight, bold(14)), true);
}

std::vector<ItemSpec> particulars(const ParticularsPlaces &places)
{
    std::vector<ItemSpec> items;
    sectionBar(items, places.title, places.barTop, places.titleTop, places.titleStyle, 717);
    const std::vector<std::vector<Cell>> &rows = particularsRows();
    double cellTop = places.barTop + 22;
    for (size_t r = 0; r < rows.size(); ++r) {
        const double top = places.rowTops[r];
        const double ruleTop = places.ruleTops[r];
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const Cell &cell = rows[r][c];
            const bool residencePhone = r == 4 && c == 1;
            items.push_back(caption(cell.caption, residencePhone ? places.residencePhoneLeft : cell.left, top));
            if (!places.fields.empty()) {
                // A long particular stays inside its cell, so the summary keeps to one sheet.
                const FieldPlace &place = places.fields[r][c];
                items.push_back(field(&Tdm1::tblClient, places.fieldPrefix + QLatin1String(cell.field), place.left, top,
                                      place.width)
                                    .keptInRow(cellTop, ruleTop));
            }
        }
        items.push_back(hrule(0, ruleTop, BandWidth, 2));
        for (double left : ParticularsSeparators[r])
            items.push_back(vrule(left, cellTop, ruleTop - cellTop, 2));
        cellTop = ruleTop + 2;
    }
    return items;
}

std::vector<ItemSpec> balanceSheet(const AmountTablePlaces &places)
{
    std::vector<ItemSpec> items;
    tableHead(items, "Statement of Financial Condition (Balance Sheet)", {"Assets", "In Dollars", "Liabilities", "In Dollars"},
              places);
    for (size_t i = 0; i < BalanceRows.size(); ++i) {
        AmountRow row = BalanceRows[i];
        const double top = places.firstRowTop + RowPitch * double(i);
        std::vector<ItemSpec> note;
        if (row.rightCaption && qstrcmp(row.rightCaption, ContingentCaption) == 0) {
            if (places.contingentTrailingBlank)
                row.rightCaption = "Contingent Liabilities (O) ";
            note.push_back(caption(ContingentNote, places.contingentNoteLeft, top + places.contingentNoteDrop, 0,
                                   Qt::AlignLeft, regular(6)));
        }
        amountRow(items, row, top, places, note);
        // The rule under row 10 and the closing rule are heavier.
        const double pen = i == 9 ? 3 : i == BalanceRows.size() - 1 ? 2 : 1;
        items.push_back(hrule(0, top + RuleDrop, BandWidth, pen));
    }
    const double bottom = places.firstRowTop + RowPitch * double(BalanceRows.size() - 1) + RuleDrop + 2;
    columnRules(items, places.greyTop + 25, bottom, 3);
    return items;
}

std::vector<ItemSpec> incomeAndExpenditures(const AmountTablePlaces &places)
{
    std::vector<ItemSpec> items;
    tableHead(items, "Annual Income and Expenditures",
              {"Annual Income", "In Dollars", "Annual Expenditures", "In Dollars"}, places);
    for (size_t i = 0; i < IncomeRows.size(); ++i) {
        const double top = places.firstRowTop + RowPitch * double(i);
        amountRow(items, IncomeRows[i], top, places);
        // Four-pixel rules enclose the totals row.
        items.push_back(hrule(0, top + RuleDrop, BandWidth, i + 1 == IncomeRows.size() ? 4 : 1));
    }
    amountRow(items, IncomeTotals, places.totalsTop, places);
    items.push_back(hrule(0, places.totalsTop + RuleDrop, BandWidth, 4));
    columnRules(items, places.greyTop + 25, places.totalsTop + RuleDrop + 4, 4);
    return items;
}

} // namespace SummarySections
