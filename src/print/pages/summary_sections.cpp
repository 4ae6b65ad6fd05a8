#include "summary_sections.h"

#include <map>

#include "data/tdm1.h"
#include "totals/printed_figures.h"
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

struct AmountRow
{
    const char *leftCaption = nullptr;
    const char *leftField = nullptr;
    const char *rightCaption = nullptr;
    const char *rightField = nullptr;
    // A total prints bold, its field in the wider total column.
    bool leftTotal = false;
    bool rightTotal = false;
    Note leftNote;
    Note rightNote;
};

// The references beside a figure's caption.
const std::map<QByteArray, Note> &captionNotes()
{
    static const std::map<QByteArray, Note> notes = {
        {"CashOnHand", {"(Refer to Schedule A)", 36}},
        {"BankLiability", {"(Refer to Schedule I)", 450}},
        {"NetWorth", {"(Total Assets - Total Liabilities)", 427}},
    };
    return notes;
}

const char *const ContingentField = "ContingentLiability";
const char *const ContingentNote = "(Does not affect Net Worth)";

// An amount table's rows, laid out from the printed figures: the left column holds one
// group, the right column the other, each figure in its summary row.
std::vector<AmountRow> amountRows(const char *leftGroup, const char *rightGroup)
{
    std::vector<AmountRow> rows;
    const auto place = [&rows](const PrintedFigureGroup &group, bool right) {
        for (const PrintedFigure &figure : group.figures) {
            if (figure.summaryRow == PrintedFigure::NotOnSummary)
                continue;
            if (rows.size() <= size_t(figure.summaryRow))
                rows.resize(size_t(figure.summaryRow) + 1);
            AmountRow &row = rows[size_t(figure.summaryRow)];
            Q_ASSERT_X(!(right ? row.rightField : row.leftField), "amountRows", "two figures in one summary row");
            const char *caption = figure.summaryCaption ? figure.summaryCaption : figure.caption;
            const auto note = captionNotes().find(figure.field);
            const Note noted = note == captionNotes().end() ? Note{} : note->second;
            if (right) {
                row.rightCaption = caption;
                row.rightField = figure.field;
                row.rightTotal = figure.total;
                row.rightNote = noted;
            } else {
                row.leftCaption = caption;
                row.leftField = figure.field;
                row.leftTotal = figure.total;
                row.leftNote = noted;
            }
        }
    };
    place(printedFigureGroup(leftGroup), false);
    place(printedFigureGroup(rightGroup), true);
    return rows;
}

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
    if (row.leftCaption)
        amountCell(items, row.leftCaption, LeftCaption, row.leftNote, row.leftField,
                   row.leftTotal ? LeftTotal : LeftField, row.leftTotal, top, places.withFields);
    if (row.rightCaption) {
        amountCell(items, row.rightCaption, RightCaption, row.rightNote, row.rightField,
                   row.rightTotal ? RightTotal : places.rightField, row.rightTotal, top, places.withFields);
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
    static const std::vector<AmountRow> balanceRows = amountRows("Assets", "Liabilities");
    for (size_t i = 0; i < balanceRows.size(); ++i) {
        AmountRow row = balanceRows[i];
        const double top = places.firstRowTop + RowPitch * double(i);
        std::vector<ItemSpec> note;
        if (row.rightField && qstrcmp(row.rightField, ContingentField) == 0) {
            if (places.contingentTrailingBlank)
                row.rightCaption = "Contingent Liabilities (O) ";
            note.push_back(caption(ContingentNote, places.contingentNoteLeft, top + places.contingentNoteDrop, 0,
                                   Qt::AlignLeft, regular(6)));
        }
        amountRow(items, row, top, places, note);
        // The rule under row 10 and the closing rule are heavier.
        const double pen = i == 9 ? 3 : i == balanceRows.size() - 1 ? 2 : 1;
        items.push_back(hrule(0, top + RuleDrop, BandWidth, pen));
    }
    const double bottom = places.firstRowTop + RowPitch * double(balanceRows.size() - 1) + RuleDrop + 2;
    columnRules(items, places.greyTop + 25, bottom, 3);
    return items;
}

std::vector<ItemSpec> incomeAndExpenditures(const AmountTablePlaces &places)
{
    std::vector<ItemSpec> items;
    tableHead(items, "Annual Income and Expenditures",
              {"Annual Income", "In Dollars", "Annual Expenditures", "In Dollars"}, places);
    // The last row is the totals row, which stands apart from the others.
    static const std::vector<AmountRow> incomeRows = amountRows("Annual Income", "Annual Expenditures");
    const size_t totalsRow = incomeRows.size() - 1;
    for (size_t i = 0; i < totalsRow; ++i) {
        const double top = places.firstRowTop + RowPitch * double(i);
        amountRow(items, incomeRows[i], top, places);
        // Four-pixel rules enclose the totals row.
        items.push_back(hrule(0, top + RuleDrop, BandWidth, i + 1 == totalsRow ? 4 : 1));
    }
    amountRow(items, incomeRows[totalsRow], places.totalsTop, places);
    items.push_back(hrule(0, places.totalsTop + RuleDrop, BandWidth, 4));
    columnRules(items, places.greyTop + 25, places.totalsTop + RuleDrop + 4, 4);
    return items;
}

} // namespace SummarySections
