#include "sba413_sheets.h"

#include <functional>

#include "data/tdm1.h"
#include "print/engine/report_font.h"
#include "print/engine/text_metrics.h"
#include "print/page_builder.h"

using namespace Sba413;

TqrSba413Sheet::TqrSba413Sheet(const QString &name, const PageSpec &layout, Tdm1 &dm) : Report::ReportPage(name)
{
    buildPage(layout, dm, *this);
}

namespace Sba413Sheets {

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

// The whole printable height of a Letter sheet within its half-inch margins; the engine's
// footer stands below it.
constexpr double SheetHeight = 960;
constexpr double BarHeight = 16;
constexpr double Inset = 3;
const TextStyle Small = regular(6.5);
const TextStyle Value = regular(8);
const TextStyle Heading = bold(8);

// A text kept inside its cell: it shrinks rather than run over the rules around it.
ItemSpec cellText(const QString &text, double left, double top, double width, double bottom, Qt::Alignment alignment,
                  TextStyle style = Value)
{
    return caption(text, left + Inset, top, width - 2 * Inset, alignment, style).keptInRow(top, bottom);
}

double lineHeightOf(TextStyle style)
{
    Report::ReportFont font;
    font.pointSize = style.size;
    font.bold = style.bold;
    return Report::TextMetrics::lineHeight(font);
}

// The lines of a text (one per entry: a lien, an address line) from the top of their cell,
// each kept to its line; what the cell has no line for joins its last line.
void cellLines(std::vector<ItemSpec> &items, const QString &text, double left, double top, double width, double bottom,
               Qt::Alignment alignment)
{
    QStringList lines = text.split(u'\n');
    const double pitch = lineHeightOf(Value);
    const qsizetype room = std::max<qsizetype>(1, qsizetype((bottom - top) / pitch));
    while (lines.size() > room) {
        const QString last = lines.takeLast();
        lines.last() = QStringList{lines.last(), last}.join(QStringLiteral("; "));
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines[i].isEmpty())
            items.push_back(cellText(lines[i], left, top + double(i) * pitch, width, top + double(i + 1) * pitch, alignment));
}

void headingBar(std::vector<ItemSpec> &items, const QString &left, const QString &right, double top)
{
    items.push_back(bar(0, top, BandWidth, BarHeight, HeadingGrey));
    items.push_back(box(0, top, BandWidth, BarHeight, 1));
    items.push_back(cellText(left, 0, top + 2, 460, top + BarHeight - 1, L, Heading));
    if (!right.isEmpty())
        items.push_back(cellText(right, 300, top + 3, BandWidth - 300, top + BarHeight - 1, R, Small));
}

void checkBox(std::vector<ItemSpec> &items, bool checked, const QString &label, double left, double top)
{
    items.push_back(box(left, top + 1, 9, 9, 1));
    if (checked)
        items.push_back(caption(QStringLiteral("X"), left, top, 9, C, bold(7)));
    items.push_back(caption(label, left + 13, top, 0, L, Value));
}

// ---- Page 1 -------------------------------------------------------------------------------

struct ProgramBox
{
    Program program;
    const char *label;
    double left;
    double top;
};

const ProgramBox ProgramBoxes[] = {
    {Program::Disaster, "Disaster Business Loan", 0, 0},
    {Program::Wosb, "Women-Owned Small Business (WOSB) Federal Contracting Program", 300, 0},
    {Program::EightA, "8(a) Business Development Program", 0, 15},
    {Program::Loans, "7(a) loan/504 loan/surety bonds", 300, 15},
};

constexpr double ParticularsTop = 92;
constexpr double ParticularsRow = 24;
constexpr double ParticularsSplit = 460;

struct ParticularCell
{
    const char *caption;
    QString Figures::*value;
    int row;
    bool right;
};

const ParticularCell ParticularCells[] = {
    {"Name", &Figures::name, 0, false},
    {"Business Phone", &Figures::businessPhone, 0, true},
    {"Home Address", &Figures::homeAddress, 1, false},
    {"Home Phone", &Figures::homePhone, 1, true},
    {"City, State, & Zip Code", &Figures::cityStateZip, 2, false},
    {"Business Name of Applicant/Borrower", &Figures::businessName, 3, false},
};

void particular(std::vector<ItemSpec> &items, const char *label, const QString &value, double left, double width,
                double top)
{
    items.push_back(caption(QString::fromUtf8(label), left + Inset, top + 1, 0, L, Small));
    items.push_back(cellText(value, left, top + 10, width, top + ParticularsRow - 1, L));
}

std::vector<ItemSpec> particulars(const Figures &f)
{
    std::vector<ItemSpec> items;
    const double rows = 5;
    items.push_back(box(0, ParticularsTop, BandWidth, rows * ParticularsRow, 1));
    for (int r = 1; r < rows; ++r)
        items.push_back(hrule(0, ParticularsTop + r * ParticularsRow, BandWidth));
    items.push_back(vrule(ParticularsSplit, ParticularsTop, 3 * ParticularsRow));
    for (const ParticularCell &cell : ParticularCells) {
        const double left = cell.right ? ParticularsSplit : 0;
        const double width = cell.right ? BandWidth - ParticularsSplit : ParticularsSplit;
        // The business name takes the whole row unless a business address shares it.
        const bool wholeRow = cell.row == 3 && f.businessAddress.isEmpty();
        particular(items, cell.caption, f.*cell.value, left, wholeRow ? BandWidth : width,
                   ParticularsTop + cell.row * ParticularsRow);
    }
    const double row3 = ParticularsTop + 3 * ParticularsRow;
    if (!f.businessAddress.isEmpty()) {
        items.push_back(vrule(ParticularsSplit, row3, ParticularsRow));
        particular(items, "Business Address", f.businessAddress, ParticularsSplit, BandWidth - ParticularsSplit, row3);
    }
    const double row2 = ParticularsTop + 2 * ParticularsRow;
    items.push_back(caption(QStringLiteral("Married"), ParticularsSplit + Inset, row2 + 1, 0, L, Small));
    checkBox(items, f.married == true, QStringLiteral("Yes"), ParticularsSplit + 10, row2 + 10);
    checkBox(items, f.married == false, QStringLiteral("No"), ParticularsSplit + 60, row2 + 10);
    const double row4 = ParticularsTop + 4 * ParticularsRow;
    items.push_back(caption(QStringLiteral("Business Type"), Inset, row4 + 1, 0, L, Small));
    static const char *const types[] = {"Corporation", "S-Corp", "LLC", "Partnership", "Sole Proprietor"};
    double left = 10;
    for (const char *type : types) {
        const QString label = QString::fromLatin1(type);
        checkBox(items, f.businessType.compare(label, Qt::CaseInsensitive) == 0, label, left, row4 + 10);
        left += 110;
    }
    return items;
}

struct AmountLine
{
    const char *caption;
    const char *note;
    qint64 (*value)(const Figures &);
    bool total = false;
    bool indented = false;
};

const std::vector<AmountLine> &assetLines()
{
    static const std::vector<AmountLine> lines = {
        {"Cash on Hand & in Banks", nullptr, [](const Figures &f) { return f.asset(AssetLine::CashOnHand); }},
        {"Savings Accounts", nullptr, [](const Figures &f) { return f.asset(AssetLine::Savings); }},
        {"IRA or Other Retirement Account", "(Describe in Section 5)", [](const Figures &f) { return f.asset(AssetLine::Retirement); }},
        {"Accounts & Notes Receivable", "(Describe in Section 5)", [](const Figures &f) { return f.asset(AssetLine::Receivable); }},
        {"Life Insurance \u2013 Cash Surrender Value Only", "(Describe in Section 8)",
         [](const Figures &f) { return f.asset(AssetLine::LifeInsurance); }},
        {"Stocks and Bonds", "(Describe in Section 3)", [](const Figures &f) { return f.asset(AssetLine::StocksAndBonds); }},
        {"Real Estate", "(Describe in Section 4)", [](const Figures &f) { return f.asset(AssetLine::RealEstate); }},
        {"Automobiles", "(Describe in Section 5, and include Year/Make/Model)",
         [](const Figures &f) { return f.asset(AssetLine::Automobiles); }},
        {"Other Personal Property", "(Describe in Section 5)", [](const Figures &f) { return f.asset(AssetLine::PersonalProperty); }},
        {"Other Assets", "(Describe in Section 5)", [](const Figures &f) { return f.asset(AssetLine::OtherAssets); }},
        {"Total", nullptr, [](const Figures &f) { return f.totalAssets; }, true},
    };
    return lines;
}

const std::vector<AmountLine> &liabilityLines()
{
    static const std::vector<AmountLine> lines = {
        {"Accounts Payable", nullptr, [](const Figures &f) { return f.liability(LiabilityLine::AccountsPayable); }},
        {"Notes Payable to Banks and Others", "(Describe in Section 2)",
         [](const Figures &f) { return f.liability(LiabilityLine::NotesPayable); }},
        {"Installment Account (Auto)", nullptr, [](const Figures &f) { return f.liability(LiabilityLine::InstallmentAuto); }},
        {"Mo. Payments", nullptr, [](const Figures &f) { return f.autoPayments; }, false, true},
        {"Installment Account (Other)", nullptr, [](const Figures &f) { return f.liability(LiabilityLine::InstallmentOther); }},
        {"Mo. Payments", nullptr, [](const Figures &f) { return f.otherInstallmentPayments; }, false, true},
        {"Loan(s) Against Life Insurance", nullptr, [](const Figures &f) { return f.liability(LiabilityLine::LifeInsuranceLoans); }},
        {"Mortgages on Real Estate", "(Describe in Section 4)", [](const Figures &f) { return f.liability(LiabilityLine::Mortgages); }},
        {"Unpaid Taxes", "(Describe in Section 6)", [](const Figures &f) { return f.liability(LiabilityLine::UnpaidTaxes); }},
        {"Other Liabilities", "(Describe in Section 7)", [](const Figures &f) { return f.liability(LiabilityLine::OtherLiabilities); }},
        {"Total Liabilities", nullptr, [](const Figures &f) { return f.totalLiabilities; }, true},
        {"Net Worth", nullptr, [](const Figures &f) { return f.netWorth; }, true},
        {"Total", nullptr, [](const Figures &f) { return f.totalLiabilitiesAndNetWorth; }, true},
    };
    return lines;
}

constexpr double BalanceTop = 222;
constexpr double BalanceRow = 24;
constexpr double ColumnWidth = BandWidth / 2;

void amountColumn(std::vector<ItemSpec> &items, const std::vector<AmountLine> &lines, const Figures &f, double left,
                  double top)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const AmountLine &line = lines[i];
        const double y = top + double(i) * BalanceRow;
        const double captionLeft = left + Inset + (line.indented ? 90 : 0);
        items.push_back(caption(QString::fromUtf8(line.caption), captionLeft, y + 1, 0, L, line.total ? Heading : Value));
        if (line.note)
            items.push_back(caption(QString::fromUtf8(line.note), left + Inset + 8, y + 13, 0, L, Small));
        items.push_back(caption(QStringLiteral("$"), left + 250, y + 6, 0, L, line.total ? Heading : Value));
        items.push_back(cellText(printed(line.value(f)), left + 258, y + 6, ColumnWidth - 258, y + BalanceRow - 1, R,
                                 line.total ? Heading : Value));
        items.push_back(hrule(left, y + BalanceRow, ColumnWidth, line.total ? 2 : 1));
    }
}

std::vector<ItemSpec> balanceSheet(const Figures &f)
{
    std::vector<ItemSpec> items;
    items.push_back(bar(0, BalanceTop, BandWidth, BarHeight, HeadingGrey));
    items.push_back(caption(QStringLiteral("ASSETS (Omit Cents)"), Inset, BalanceTop + 2, 0, L, Heading));
    items.push_back(caption(QStringLiteral("LIABILITIES (Omit Cents)"), ColumnWidth + Inset, BalanceTop + 2, 0, L, Heading));
    const double top = BalanceTop + BarHeight;
    amountColumn(items, assetLines(), f, 0, top);
    amountColumn(items, liabilityLines(), f, ColumnWidth, top);
    const double height = BarHeight + double(liabilityLines().size()) * BalanceRow;
    items.push_back(box(0, BalanceTop, BandWidth, height + 1, 1));
    items.push_back(vrule(ColumnWidth, BalanceTop, height));
    return items;
}

constexpr double SourceTop = BalanceTop + BarHeight + 13 * BalanceRow + 8;
constexpr double SourceRow = 17;

struct SourceLine
{
    const char *income;
    IncomeLine incomeLine;
    const char *contingent;
    ContingentLine contingentLine;
};

const SourceLine SourceLines[] = {
    {"Salary", IncomeLine::Salary, "As Endorser or Co-Maker", ContingentLine::Endorser},
    {"Net Investment Income", IncomeLine::InvestmentIncome, "Legal Claims & Judgments", ContingentLine::LegalClaims},
    {"Real Estate Income", IncomeLine::RealEstateIncome, "Provision for Federal Income Tax", ContingentLine::FederalIncomeTax},
    {"Other Income (Describe below)*", IncomeLine::OtherIncome, "Other Special Debt", ContingentLine::SpecialDebt},
};

// ---- Sections of rows ---------------------------------------------------------------------

struct Column
{
    const char *caption;
    double left;
    double width;
    Qt::Alignment alignment;
};

struct RowSection
{
    const char *heading;     // "Section 2."
    const char *title;       // the form's caption after it
    const char *instruction; // the form's note beside it, if any
    std::vector<Column> columns;
    double headHeight;       // 0: the section's lines have no column captions
    double rowHeight;
};

const RowSection &otherIncomeSection()
{
    static const RowSection section{"Section 1.", "Description of Other Income in Section 1.", nullptr,
                                    {{nullptr, 0, 600, L}, {nullptr, 600, 120, R}}, 0, 15};
    return section;
}

const RowSection &notesSection()
{
    static const RowSection section{"Section 2.", "Notes Payable to Banks and Others.", nullptr,
                                    {{"Names and Addresses of Noteholder(s)", 0, 220, L},
                                     {"Original Balance", 220, 80, R},
                                     {"Current Balance", 300, 80, R},
                                     {"Payment Amount", 380, 80, R},
                                     {"Frequency (monthly, etc.)", 460, 80, L},
                                     {"How Secured or Endorsed Type of Collateral", 540, 180, L}},
                                    24, 26};
    return section;
}

const RowSection &securitiesSection()
{
    static const RowSection section{"Section 3.", "Stocks and Bonds.", nullptr,
                                    {{"Number of Shares", 0, 70, R},
                                     {"Name of Securities", 70, 210, L},
                                     {"Cost", 280, 80, R},
                                     {"Market Value Quotation/Exchange", 360, 120, L},
                                     {"Date of Quotation/Exchange", 480, 120, C},
                                     {"Total Value", 600, 120, R}},
                                    24, 15};
    return section;
}

std::vector<Column> describedColumns()
{
    return {{nullptr, 0, 600, L}, {nullptr, 600, 120, R}};
}

const RowSection &otherPropertySection()
{
    static const RowSection section{"Section 5.", "Other Personal Property and Other Assets.",
                                    "(Describe, and, if any is pledged as security, state name and address of lien "
                                    "holder, amount of lien, terms of payment and if delinquent, describe delinquency)",
                                    describedColumns(), 0, 15};
    return section;
}

const RowSection &taxesSection()
{
    static const RowSection section{"Section 6.", "Unpaid Taxes.",
                                    "(Describe in detail as to type, to whom payable, when due, amount, and to what "
                                    "property, if any, a tax lien attaches.)",
                                    describedColumns(), 0, 15};
    return section;
}

const RowSection &otherLiabilitiesSection()
{
    static const RowSection section{"Section 7.", "Other Liabilities.", "(Describe in detail.)", describedColumns(), 0, 15};
    return section;
}

const RowSection &policiesSection()
{
    static const RowSection section{"Section 8.", "Life Insurance Held.",
                                    "(Give face amount and cash surrender value of policies \u2013 name of insurance "
                                    "company and Beneficiaries)",
                                    describedColumns(), 0, 15};
    return section;
}

double sectionHeight(const RowSection &section, int rows)
{
    return BarHeight + section.headHeight + double(rows) * section.rowHeight;
}

// A section of rows at `top` with room for `room` rows, of which `rows` are filled.
double placeSection(std::vector<ItemSpec> &items, const RowSection &section, const QString &heading,
                    const std::vector<QStringList> &rows, int room, double top)
{
    headingBar(items, heading, QString::fromUtf8(section.instruction ? section.instruction : ""), top);
    double y = top + BarHeight;
    const double height = sectionHeight(section, room);
    if (section.headHeight > 0) {
        for (const Column &column : section.columns)
            items.push_back(cellText(QString::fromUtf8(column.caption), column.left, y + 2, column.width,
                                     y + section.headHeight - 1, C, Small));
        items.push_back(hrule(0, y + section.headHeight, BandWidth));
        y += section.headHeight;
    }
    for (int r = 0; r < room; ++r) {
        const double rowTop = y + double(r) * section.rowHeight;
        if (size_t(r) < rows.size())
            for (size_t c = 0; c < section.columns.size() && c < size_t(rows[size_t(r)].size()); ++c) {
                const Column &column = section.columns[c];
                cellLines(items, rows[size_t(r)][qsizetype(c)], column.left, rowTop + 1, column.width,
                          rowTop + section.rowHeight, column.alignment);
            }
        if (r + 1 < room)
            items.push_back(hrule(0, rowTop + section.rowHeight, BandWidth));
    }
    for (size_t c = 1; c < section.columns.size(); ++c)
        items.push_back(vrule(section.columns[c].left, top + BarHeight, height - BarHeight));
    items.push_back(box(0, top, BandWidth, height + 1, 1));
    return height;
}

QString formHeading(const RowSection &section)
{
    // The description of other income heads its lines alone: it belongs to Section 1 above.
    if (&section == &otherIncomeSection())
        return QString::fromUtf8(section.title);
    return QString::fromUtf8(section.heading) + u' ' + QString::fromUtf8(section.title);
}

QString continuedHeading(const RowSection &section)
{
    QString number = QString::fromUtf8(section.heading);
    number.chop(1); // the period
    return number + QStringLiteral(" (continued) ") + QString::fromUtf8(section.title);
}

QStringList described(const DescribedAmount &entry)
{
    return {entry.description, printed(entry.dollars)};
}

QString joinedNonEmpty(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts)
        if (!part.isEmpty())
            kept << part;
    return kept.join(QStringLiteral(", "));
}

std::vector<QStringList> otherIncomeRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const DescribedAmount &entry : f.otherIncome)
        rows.push_back(described(entry));
    return rows;
}

std::vector<QStringList> noteRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const Note &n : f.notes)
        rows.push_back({n.address.isEmpty() ? n.noteholder : n.noteholder + u'\n' + n.address, printed(n.originalBalance),
                        printed(n.currentBalance), printed(n.paymentAmount), n.frequency, n.collateral});
    return rows;
}

std::vector<QStringList> securityRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const Security &s : f.securities)
        rows.push_back({s.shares, s.name, printed(s.cost), s.exchange, s.quotationDate, printed(s.totalValue)});
    return rows;
}

std::vector<QStringList> otherPropertyRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const DescribedAmount &entry : f.otherProperty)
        rows.push_back(described(entry));
    return rows;
}

std::vector<QStringList> taxRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const UnpaidTax &t : f.taxes)
        rows.push_back({joinedNonEmpty({t.type, t.payableTo.isEmpty() ? QString() : QStringLiteral("payable to ") + t.payableTo,
                                        t.dueDate.isEmpty() ? QString() : QStringLiteral("due ") + t.dueDate, t.property}),
                        printed(t.amount)});
    return rows;
}

std::vector<QStringList> otherLiabilityRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const OtherLiability &o : f.otherLiabilities)
        rows.push_back({joinedNonEmpty({o.description, o.monthlyPayment ? QStringLiteral("$") + printed(o.monthlyPayment) +
                                                                              QStringLiteral(" a month")
                                                                        : QString()}),
                        printed(o.amount)});
    return rows;
}

std::vector<QStringList> policyRows(const Figures &f)
{
    std::vector<QStringList> rows;
    for (const Policy &p : f.policies)
        rows.push_back({joinedNonEmpty({p.company, p.insured.isEmpty() ? QString() : QStringLiteral("insured ") + p.insured,
                                        p.beneficiaries.isEmpty() ? QString() : QStringLiteral("beneficiary ") + p.beneficiaries,
                                        p.faceAmount ? QStringLiteral("face amount $") + printed(p.faceAmount) : QString()}),
                        printed(p.cashSurrenderValue)});
    return rows;
}

// The sections of rows in the form's order, with the room the form has for each.
struct SectionRows
{
    const RowSection &section;
    std::vector<QStringList> (*rows)(const Figures &);
    int room;
};

const std::vector<SectionRows> &rowSections()
{
    static const std::vector<SectionRows> sections = {
        {otherIncomeSection(), otherIncomeRows, OtherIncomeRoom},
        {notesSection(), noteRows, NoteRoom},
        {securitiesSection(), securityRows, SecurityRoom},
        {otherPropertySection(), otherPropertyRows, OtherPropertyRoom},
        {taxesSection(), taxRows, TaxRoom},
        {otherLiabilitiesSection(), otherLiabilityRows, OtherLiabilityRoom},
        {policiesSection(), policyRows, PolicyRoom},
    };
    return sections;
}

const SectionRows &rowSection(const RowSection &section)
{
    for (const SectionRows &entry : rowSections())
        if (&entry.section == &section)
            return entry;
    Q_UNREACHABLE();
}

std::vector<QStringList> onForm(const SectionRows &entry, const Figures &f)
{
    std::vector<QStringList> rows = entry.rows(f);
    if (rows.size() > size_t(entry.room))
        rows.resize(size_t(entry.room));
    return rows;
}

double placeOnForm(std::vector<ItemSpec> &items, const RowSection &section, const Figures &f, double top)
{
    const SectionRows &entry = rowSection(section);
    return placeSection(items, section, formHeading(section), onForm(entry, f), entry.room, top);
}

// ---- Section 4 ----------------------------------------------------------------------------

struct PropertyRow
{
    const char *caption;
    double height;
    QString (*cell)(const PropertyColumn &);
};

QString lienLines(const PropertyColumn &p, QString Lien::*field)
{
    QStringList lines;
    for (const Lien &lien : p.liens)
        lines << lien.*field;
    return lines.join(u'\n');
}

const std::vector<PropertyRow> &propertyRows()
{
    static const std::vector<PropertyRow> rows = {
        {"Type of Real Estate (e.g. Primary Residence, Other Residence, Rental Property, Land, etc.)", 30,
         [](const PropertyColumn &p) { return p.type; }},
        {"Address", 30, [](const PropertyColumn &p) { return p.address; }},
        {"Date Purchased", 15, [](const PropertyColumn &p) { return p.datePurchased; }},
        {"Original Cost", 15, [](const PropertyColumn &p) { return p.originalCost; }},
        {"Present Market Value", 26, [](const PropertyColumn &p) { return p.marketValue; }},
        {"Name & Address of Mortgage Holder", 52, [](const PropertyColumn &p) { return lienLines(p, &Lien::holder); }},
        {"Mortgage Account Number", 30, [](const PropertyColumn &p) { return lienLines(p, &Lien::account); }},
        {"Mortgage Balance", 44, [](const PropertyColumn &p) { return lienLines(p, &Lien::balance); }},
        {"Amount of Payment per Month/Year", 30, [](const PropertyColumn &p) { return lienLines(p, &Lien::payment); }},
        {"Status of Mortgage", 30, [](const PropertyColumn &p) { return lienLines(p, &Lien::status); }},
    };
    return rows;
}

// A, B, ... Z, then AA, AB and so on.
QString propertyLetter(size_t index)
{
    QString letters;
    for (size_t n = index + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + int((n - 1) % 26)));
    return letters;
}

constexpr double PropertyLabelWidth = 150;
constexpr double PropertyColumnWidth = (BandWidth - PropertyLabelWidth) / PropertyRoom;
constexpr double PropertyHeadHeight = 14;

double propertyGridHeight()
{
    double height = BarHeight + PropertyHeadHeight;
    for (const PropertyRow &row : propertyRows())
        height += row.height;
    return height;
}

// Three property columns from `first` (0 is Property A).
double placeProperties(std::vector<ItemSpec> &items, const Figures &f, size_t first, const QString &heading, double top)
{
    headingBar(items, heading,
               QStringLiteral("(List each parcel separately. Use attachment if necessary. Each attachment must be "
                              "identified as a part of this statement and signed.)"),
               top);
    double y = top + BarHeight;
    for (int c = 0; c < PropertyRoom; ++c) {
        const double left = PropertyLabelWidth + c * PropertyColumnWidth;
        const QString letter = propertyLetter(first + size_t(c));
        items.push_back(cellText(QStringLiteral("Property ") + letter, left, y + 2, PropertyColumnWidth,
                                 y + PropertyHeadHeight - 1, C, Heading));
    }
    y += PropertyHeadHeight;
    for (const PropertyRow &row : propertyRows()) {
        items.push_back(hrule(0, y, BandWidth));
        items.push_back(cellText(QString::fromUtf8(row.caption), 0, y + 2, PropertyLabelWidth, y + row.height - 1, L, Small));
        for (int c = 0; c < PropertyRoom; ++c) {
            const size_t index = first + size_t(c);
            if (index < f.properties.size())
                cellLines(items, row.cell(f.properties[index]), PropertyLabelWidth + c * PropertyColumnWidth, y + 1,
                          PropertyColumnWidth, y + row.height, L);
        }
        y += row.height;
    }
    const double height = y - top;
    for (int c = 0; c < PropertyRoom; ++c)
        items.push_back(vrule(PropertyLabelWidth + c * PropertyColumnWidth, top + BarHeight, height - BarHeight));
    items.push_back(box(0, top, BandWidth, height + 1, 1));
    return height;
}

// ---- Signatures ---------------------------------------------------------------------------

constexpr double SignatureBlockHeight = 74;

void signatureBlock(std::vector<ItemSpec> &items, const Signer &signer, const char *ssnField, double top)
{
    items.push_back(hrule(0, top + 28, 440));
    items.push_back(caption(QStringLiteral("Signature"), 0, top + 30, 0, L, Small));
    items.push_back(hrule(470, top + 28, 250));
    items.push_back(caption(QStringLiteral("Date"), 470, top + 30, 0, L, Small));
    items.push_back(cellText(signer.name, 0, top + 45, 440, top + 57, L));
    items.push_back(hrule(0, top + 58, 440));
    items.push_back(caption(QStringLiteral("Print Name"), 0, top + 60, 0, L, Small));
    // Bound to the field, so a masked copy hides it as every page does.
    if (ssnField)
        items.push_back(field(&Tdm1::tblClient, QString::fromLatin1(ssnField), 470 + Inset, top + 45, 244, L, Value)
                            .keptInRow(top + 45, top + 57));
    items.push_back(hrule(470, top + 58, 250));
    items.push_back(caption(QStringLiteral("Social Security No."), 470, top + 60, 0, L, Small));
}

double placeSignatures(std::vector<ItemSpec> &items, const Figures &f, double top)
{
    headingBar(items, QStringLiteral("Signatures"), QString(), top);
    items.push_back(caption(QStringLiteral("By signing this form, I certify that the information on this form and any "
                                           "attachments is true and complete to the best of my knowledge."),
                            0, top + BarHeight + 4, BandWidth, L, Value));
    const double first = top + BarHeight + 16;
    signatureBlock(items, f.first, "SSN", first);
    signatureBlock(items, f.second, f.joint ? "SSSN" : nullptr, first + SignatureBlockHeight);
    return BarHeight + 16 + 2 * SignatureBlockHeight;
}

// ---- Sheets -------------------------------------------------------------------------------

void formMark(std::vector<ItemSpec> &items)
{
    items.push_back(caption(QStringLiteral("SBA Form 413"), 0, SheetHeight - 12, 0, L, Small));
}

PageSpec sheetOf(std::vector<ItemSpec> items)
{
    return PageSpec{{{Report::BandKind::Title, SheetHeight, 0, std::move(items)}}};
}

PageSpec pageOne(const Figures &f)
{
    std::vector<ItemSpec> items;
    items.push_back(caption(QStringLiteral("OMB APPROVAL NO.: 3245-0188"), 0, 0, 0, L, Small));
    items.push_back(caption(QStringLiteral("PERSONAL FINANCIAL STATEMENT"), 0, 0, BandWidth, C, bold(13)));
    items.push_back(caption(QStringLiteral("U.S. SMALL BUSINESS ADMINISTRATION"), 0, 20, BandWidth, C, bold(9)));
    items.push_back(caption(QStringLiteral("As of ") + f.asOf, 0, 35, BandWidth, C, regular(9)));
    for (const ProgramBox &p : ProgramBoxes)
        checkBox(items, f.programs[size_t(p.program)], QString::fromUtf8(p.label), p.left, 56 + p.top);
    items << particulars(f) << balanceSheet(f);

    items.push_back(bar(0, SourceTop, BandWidth, BarHeight, HeadingGrey));
    items.push_back(caption(QStringLiteral("Section 1. Source of Income"), Inset, SourceTop + 2, 0, L, Heading));
    items.push_back(caption(QStringLiteral("Contingent Liabilities"), ColumnWidth + Inset, SourceTop + 2, 0, L, Heading));
    const size_t sourceLines = std::size(SourceLines);
    for (size_t i = 0; i < sourceLines; ++i) {
        const SourceLine &line = SourceLines[i];
        const double y = SourceTop + BarHeight + double(i) * SourceRow;
        const std::pair<const char *, qint64> cells[] = {{line.income, f.income[size_t(line.incomeLine)]},
                                                         {line.contingent, f.contingent[size_t(line.contingentLine)]}};
        for (int side = 0; side < 2; ++side) {
            const double left = side * ColumnWidth;
            items.push_back(caption(QString::fromUtf8(cells[side].first), left + Inset, y + 3, 0, L, Value));
            items.push_back(caption(QStringLiteral("$"), left + 250, y + 3, 0, L, Value));
            items.push_back(cellText(printed(cells[side].second), left + 258, y + 3, ColumnWidth - 258, y + SourceRow - 1, R));
            items.push_back(hrule(left, y + SourceRow, ColumnWidth));
        }
    }
    const double sourceHeight = BarHeight + double(sourceLines) * SourceRow;
    items.push_back(box(0, SourceTop, BandWidth, sourceHeight + 1, 1));
    items.push_back(vrule(ColumnWidth, SourceTop, sourceHeight));

    const double describedTop = SourceTop + sourceHeight + 8;
    const double describedHeight = placeOnForm(items, otherIncomeSection(), f, describedTop);
    items.push_back(caption(QStringLiteral("*Alimony or child support payments should not be disclosed in \u201cOther "
                                           "Income\u201d unless it is desired to have such payments counted toward total "
                                           "income."),
                            0, describedTop + describedHeight + 4, BandWidth, L, Small));
    formMark(items);
    return sheetOf(std::move(items));
}

PageSpec sectionsTwoToFour(const Figures &f)
{
    std::vector<ItemSpec> items;
    double y = 0;
    y += placeOnForm(items, notesSection(), f, y) + 12;
    y += placeOnForm(items, securitiesSection(), f, y) + 12;
    placeProperties(items, f, 0, QStringLiteral("Section 4. Real Estate Owned."), y);
    formMark(items);
    return sheetOf(std::move(items));
}

PageSpec sectionsFiveToEight(const Figures &f)
{
    std::vector<ItemSpec> items;
    double y = 0;
    for (const RowSection *section : {&otherPropertySection(), &taxesSection(), &otherLiabilitiesSection(), &policiesSection()})
        y += placeOnForm(items, *section, f, y) + 12;
    placeSignatures(items, f, y + 8);
    formMark(items);
    return sheetOf(std::move(items));
}

// ---- Attachment sheets --------------------------------------------------------------------

constexpr double AttachmentBodyTop = 52;
constexpr double AttachmentSignaturesHeight = 2 * 40;

class Attachments
{
public:
    explicit Attachments(const Figures &f) : m_f(f) {}

    // Places a block of `height`, starting a sheet when it does not fit the one open.
    double place(double height)
    {
        if (m_sheets.empty() || m_y + height > SheetHeight - AttachmentSignaturesHeight - 8)
            startSheet();
        const double top = m_y;
        m_y += height + 12;
        return top;
    }
    std::vector<ItemSpec> &items() { return m_sheets.back(); }
    std::vector<std::vector<ItemSpec>> take()
    {
        for (std::vector<ItemSpec> &sheet : m_sheets)
            signatureLines(sheet);
        return std::move(m_sheets);
    }

private:
    void startSheet()
    {
        m_sheets.emplace_back();
        std::vector<ItemSpec> &items = m_sheets.back();
        items.push_back(caption(QString::fromLatin1(AttachmentTitle), 0, 0, BandWidth, C, bold(11)));
        items.push_back(cellText(m_f.name, 0, 22, 480, 34, L, regular(9)));
        items.push_back(caption(QStringLiteral("As of ") + m_f.asOf, 480, 22, BandWidth - 480 - Inset, R, regular(9)));
        items.push_back(hrule(0, 38, BandWidth, 2));
        m_y = AttachmentBodyTop;
    }
    // A signature and date line for each signer at the foot of the sheet.
    void signatureLines(std::vector<ItemSpec> &items) const
    {
        const std::vector<const Signer *> signers = m_f.joint ? std::vector<const Signer *>{&m_f.first, &m_f.second}
                                                              : std::vector<const Signer *>{&m_f.first};
        double top = SheetHeight - AttachmentSignaturesHeight;
        for (const Signer *signer : signers) {
            items.push_back(hrule(0, top + 20, 440));
            items.push_back(caption(QStringLiteral("Signature") + (signer->name.isEmpty() ? QString() : QStringLiteral(": ") + signer->name),
                                    0, top + 22, 0, L, Small));
            items.push_back(hrule(470, top + 20, 250));
            items.push_back(caption(QStringLiteral("Date"), 470, top + 22, 0, L, Small));
            top += 40;
        }
    }

    const Figures &m_f;
    std::vector<std::vector<ItemSpec>> m_sheets;
    double m_y = 0;
};

void attachRows(Attachments &attachments, const SectionRows &entry, const Figures &f)
{
    std::vector<QStringList> rows = entry.rows(f);
    if (rows.size() <= size_t(entry.room))
        return;
    rows.erase(rows.begin(), rows.begin() + entry.room);
    const double room = SheetHeight - AttachmentSignaturesHeight - 8 - AttachmentBodyTop;
    const int perSheet = std::max(1, int((room - BarHeight - entry.section.headHeight) / entry.section.rowHeight));
    for (size_t from = 0; from < rows.size(); from += size_t(perSheet)) {
        const std::vector<QStringList> part(rows.begin() + qsizetype(from),
                                            rows.begin() + qsizetype(std::min(rows.size(), from + size_t(perSheet))));
        const int count = int(part.size());
        const double top = attachments.place(sectionHeight(entry.section, count));
        placeSection(attachments.items(), entry.section, continuedHeading(entry.section), part, count, top);
    }
}

} // namespace

std::vector<Sheet> sheets(const Figures &f)
{
    std::vector<Sheet> all;
    all.push_back({QStringLiteral("TqrSba413_Page1"), pageOne(f)});
    all.push_back({QStringLiteral("TqrSba413_Sections2to4"), sectionsTwoToFour(f)});
    all.push_back({QStringLiteral("TqrSba413_Sections5to8"), sectionsFiveToEight(f)});

    Attachments attachments(f);
    const std::vector<SectionRows> &sections = rowSections();
    // In the form's order: Sections 1 to 3, then 4, then 5 to 8.
    for (size_t i = 0; i < 3; ++i)
        attachRows(attachments, sections[i], f);
    for (size_t first = PropertyRoom; first < f.properties.size(); first += PropertyRoom) {
        const double top = attachments.place(propertyGridHeight());
        placeProperties(attachments.items(), f, first, QStringLiteral("Section 4 (continued) Real Estate Owned."), top);
    }
    for (size_t i = 3; i < sections.size(); ++i)
        attachRows(attachments, sections[i], f);
    int n = 0;
    for (std::vector<ItemSpec> &items : attachments.take())
        all.push_back({QStringLiteral("TqrSba413_Attachment%1").arg(++n), sheetOf(std::move(items))});
    return all;
}

} // namespace Sba413Sheets
