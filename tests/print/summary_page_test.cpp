// The summary sheets of personal and joint statements: every caption and field at its
// place with its value and font.
#include <gtest/gtest.h>

#include "base/product.h"
#include "data/tdm1.h"
#include "print/engine/composite_report.h"
#include "print/pages/tqr_cont_joint.h"
#include "print/pages/tqr_cont_single.h"
#include "support/print/statement_fixture.h"

using namespace Report;

namespace {

// Band origins on the sheet: the left margin, and the title band below the 55-pixel header.
constexpr double Left = 48;
constexpr double HeaderTop = 48;
constexpr double BodyTop = 48 + 55;

struct Place
{
    const char *name; // a field, or a caption's text
    double left;
    double top;
    double width;
};

// The holder's fields on the personal page, as the layout gives them.
const Place SingleClientFields[] = {
    {"FullName2", 39, 27, 161},     {"Dependants", 274, 27, 14},      {"Birthday", 351, 27, 77},
    {"DriversLicenseandState", 510, 27, 93}, {"SSN", 637, 27, 79},    {"Address", 53, 51, 243},
    {"City", 326, 51, 104},         {"State", 470, 51, 33},           {"Zip", 535, 51, 123},
    {"Employer", 55, 76, 240},      {"Position", 346, 76, 156},       {"YearsEmployed", 573, 76, 62},
    {"EAddress", 109, 101, 187},    {"ECity", 326, 101, 104},         {"EState", 470, 101, 33},
    {"EZip", 535, 101, 123},        {"BusinessPhone", 85, 126, 132},  {"PersonalPhone", 305, 126, 125},
    {"Email", 470, 126, 244},
};

const Place JointClientFields[] = {
    {"FullName2", 38, 25, 170},     {"Dependants", 274, 25, 14},      {"Birthday", 351, 25, 77},
    {"DriversLicenseandState", 510, 25, 93}, {"SSN", 637, 25, 79},    {"Address", 53, 50, 243},
    {"City", 330, 50, 97},          {"State", 467, 50, 36},           {"Zip", 535, 50, 120},
    {"Employer", 54, 75, 243},      {"Position", 345, 75, 161},       {"YearsEmployed", 573, 75, 62},
    {"EAddress", 108, 100, 190},    {"ECity", 327, 100, 101},         {"EState", 467, 100, 36},
    {"EZip", 535, 100, 120},        {"BusinessPhone", 86, 125, 120},  {"PersonalPhone", 306, 125, 118},
    {"Email", 468, 125, 248},
    {"SFullName2", 38, 170, 166},   {"SDependants", 274, 170, 14},    {"SBirthday", 351, 170, 77},
    {"SDriversLicenseandState", 510, 170, 93}, {"SSSN", 637, 170, 79}, {"SAddress", 53, 195, 244},
    {"SCity", 330, 195, 97},        {"SState", 466, 195, 41},         {"SZip", 534, 195, 120},
    {"SEmployer", 54, 220, 240},    {"SPosition", 346, 220, 157},     {"SYearsEmployed", 573, 220, 62},
    {"SEAddress", 108, 245, 188},   {"SECity", 327, 245, 101},        {"SEState", 466, 245, 41},
    {"SEZip", 534, 245, 120},       {"SBusinessPhone", 86, 270, 120}, {"SPersonalPhone", 306, 270, 121},
    {"SEmail", 468, 270, 248},
};

// Amount fields by row; the row tops follow from the first row, 25 apart.
const char *const AssetFields[] = {"CashOnHand", "RealEstateTotals", "InvestmentTotals", "AutoTotal",
                                   "LifeCash", "PersonalAssets", "BusinessAssets", "NotesReceivable",
                                   "MarginAccounts", "OtherAssets"};
const char *const LiabilityFields[] = {"BankLiability", "MortgageLiabilitiesTotals", "CreditCardLiability",
                                       "AutoLiability", "TaxLiability", "OtherLiability", nullptr,
                                       "ContingentLiability"};
const char *const LiabilityTotals[] = {"TotalLiabilities", "TotalLiabilitiesandNetWorth", "NetWorth"};
const char *const IncomeFields[] = {"Salary", "Salary_Spouse", "Bonus", "Dividends",
                                    "RealEstateIncome", "OilIncome", "OtherIncome"};
const char *const ExpenseFields[] = {"Installment_Exp", "Lease_Exp", "Mortgage_Exp", "OtherDebt_Exp",
                                     "Alimony_Exp", "Insurance_Exp", "Other_Exp", "Rental_Exp"};

// The captions of the personal page with their lefts and tops.
const Place SingleCaptions[] = {
    {"Name: ", 4, 27, 0},           {"Dependents:", 212, 27, 0},       {"Birthdate: ", 301, 27, 0},
    {"Driver's Lic. #: ", 434, 27, 0}, {"SS#: ", 609, 27, 0},           {"Address: ", 4, 51, 0},
    {"City: ", 302, 51, 0},         {"State: ", 436, 51, 0},           {"Zip: ", 512, 51, 0},
    {"Employer: ", 4, 76, 0},       {"Position: ", 302, 76, 0},        {"# of Years: ", 512, 76, 0},
    {"Employer's Address: ", 4, 101, 0}, {"City: ", 302, 101, 0},      {"State: ", 436, 101, 0},
    {"Zip: ", 512, 101, 0},         {"Business Phone:", 4, 126, 0},    {"Residence Phone: ", 212, 126, 0},
    {"E-Mail:", 436, 126, 0},
    {"Cash", 6, 243, 0},            {"(Refer to Schedule A)", 36, 243, 0}, {"Notes Payable", 370, 243, 0},
    {"(Refer to Schedule I)", 450, 243, 0}, {"Real Estate (B)", 6, 268, 0}, {"Mortgages Payable (J)", 370, 268, 0},
    {"Securities (C)", 6, 293, 0},  {"Credit Card Liability (K)", 370, 293, 0}, {"Automobiles (D)", 6, 318, 0},
    {"Auto Liability (L)", 370, 318, 0}, {"Cash Value Life Insurance (E)", 6, 343, 0},
    {"Tax Liability (M)", 370, 343, 0}, {"Household and Personal Assets (F)", 6, 368, 0},
    {"All Other Liabilities (N)", 370, 368, 0}, {"Business Assets (G)", 6, 393, 0},
    {"Accounts and Notes Receivable (H)", 6, 418, 0}, {"Contingent Liabilities (O) ", 370, 418, 0},
    {"Restricted or Margin Accounts (H)", 6, 443, 0}, {"All Other Assets (H)", 6, 468, 0},
    {"(Total Assets - Total Liabilities)", 427, 493, 0},
    {"Salaries & Wages (Individual)", 6, 609, 0}, {"Installment Payments", 370, 609, 0},
    {"Salaries & Wages (Spouse)", 6, 634, 0}, {"Lease Obligations", 370, 634, 0},
    {"Bonuses & Commissions", 6, 659, 0}, {"Mortgage Payments", 370, 659, 0},
    {"Dividends & Interest Income", 6, 684, 0}, {"Other Debt Service", 370, 684, 0},
    {"Net Real Estate Income", 6, 709, 0}, {"Alimony, Child Support, etc", 370, 709, 0},
    {"Oil & Gas Income/Royalties", 6, 734, 0}, {"Auto, Life & Health Insurance Premiums", 370, 734, 0},
    {"All Other Income", 6, 759, 0}, {"All Other Expenditures", 370, 759, 0},
    {"Rental Payments", 370, 784, 0},
};
const Place SingleBoldCaptions[] = {
    {"Total Liabilities", 370, 443, 0}, {"Total Liabilities & Net Worth", 370, 468, 0}, {"Total Assets", 6, 493, 0},
    {"Net Worth", 370, 493, 0},         {"Total Income", 6, 811, 0},                    {"Total Expenditures", 370, 811, 0},
};

class SummaryPageTest : public StatementTest
{
protected:
    // The one sheet of a page object on the statement.
    template <class Page>
    DocumentPage laidOut()
    {
        const Document doc = layOut(std::make_unique<Page>(*dm));
        return doc.pageCount() == 1 ? doc.pages[0] : DocumentPage{};
    }

    // A field's value at its place: left-justified from left, or right-justified to
    // left + width, in its font.
    void expectField(const DocumentPage &page, const QString &value, double left, double top, double width,
                     Qt::Alignment alignment, double size, bool isBold, const char *what)
    {
        SCOPED_TRACE(what);
        const TextPrimitive *found = nullptr;
        for (const TextPrimitive *t : page.texts())
            if (t->text == value && std::abs(t->rect.top() - (BodyTop + top)) < 0.5
                && std::abs(t->rect.left() - (Left + left)) < 0.5 && std::abs(t->rect.width() - width) < 0.5)
                found = t;
        ASSERT_NE(found, nullptr) << value.toStdString() << " at " << left << ", " << top;
        EXPECT_EQ(found->alignment & Qt::AlignHorizontal_Mask, alignment);
        EXPECT_EQ(found->font.family, "Arial");
        EXPECT_EQ(found->font.pointSize, size);
        EXPECT_EQ(found->font.bold, isBold);
    }

    void expectAmounts(const DocumentPage &page, double balanceTop, double incomeTop, double totalsTop,
                       double rightWidth)
    {
        const auto &values = totalValues();
        for (int i = 0; i < 10; ++i)
            expectField(page, printedAmount(values.at(AssetFields[i])), 242, balanceTop + 25 * i, 117, Qt::AlignRight, 8, false,
                        AssetFields[i]);
        expectField(page, printedAmount(values.at("TotalAssets")), 232, balanceTop + 250, 127, Qt::AlignRight, 8, true, "TotalAssets");
        for (int i = 0; i < 8; ++i)
            if (LiabilityFields[i])
                expectField(page, printedAmount(values.at(LiabilityFields[i])), 599, balanceTop + 25 * i, rightWidth, Qt::AlignRight,
                            8, false, LiabilityFields[i]);
        for (int i = 0; i < 3; ++i)
            expectField(page, printedAmount(values.at(LiabilityTotals[i])), 589, balanceTop + 200 + 25 * i, 126, Qt::AlignRight, 8,
                        true, LiabilityTotals[i]);
        for (int i = 0; i < 7; ++i)
            expectField(page, printedAmount(values.at(IncomeFields[i])), 242, incomeTop + 25 * i, 117, Qt::AlignRight, 8, false,
                        IncomeFields[i]);
        for (int i = 0; i < 8; ++i)
            expectField(page, printedAmount(values.at(ExpenseFields[i])), 599, incomeTop + 25 * i, rightWidth, Qt::AlignRight, 8,
                        false, ExpenseFields[i]);
        expectField(page, printedAmount(values.at("IncomeTotal")), 232, totalsTop, 127, Qt::AlignRight, 8, true, "IncomeTotal");
        expectField(page, printedAmount(values.at("ExpenseTotal")), 589, totalsTop, 126, Qt::AlignRight, 8, true, "ExpenseTotal");
    }

    void expectCaption(const DocumentPage &page, const Place &place, double size, bool isBold, double bandTop = BodyTop,
                       QColor color = Qt::black)
    {
        const TextPrimitive *t = textAt(page, place.name, Left + place.left, bandTop + place.top);
        ASSERT_NE(t, nullptr) << place.name << " at " << place.left << ", " << place.top;
        EXPECT_EQ(t->font.pointSize, size) << place.name;
        EXPECT_EQ(t->font.bold, isBold) << place.name;
        EXPECT_EQ(t->color, color) << place.name;
    }

    void expectHeader(const DocumentPage &page)
    {
        const TextPrimitive *heading = page.findText("WORTHSHEET");
        ASSERT_NE(heading, nullptr);
        EXPECT_DOUBLE_EQ(heading->rect.right(), Left + 373 + 337);
        EXPECT_EQ(heading->rect.top(), HeaderTop + 18);
        EXPECT_EQ(heading->font.pointSize, 14);
        EXPECT_TRUE(heading->font.bold);
        expectCaption(page, {ProductSite, 6, 32, 0}, 8, false, HeaderTop);
    }

    // The filled rectangles of a sheet with their colours, as (left, top, width, height).
    static std::vector<BoxPrimitive> boxes(const DocumentPage &page)
    {
        std::vector<BoxPrimitive> found;
        for (const Primitive &p : page.primitives)
            if (const auto *b = std::get_if<BoxPrimitive>(&p))
                found.push_back(*b);
        return found;
    }
    static bool hasBox(const DocumentPage &page, QRectF rect, QColor fill)
    {
        for (const BoxPrimitive &b : boxes(page))
            if (b.rect == rect.translated(Left, BodyTop) && b.fill == fill)
                return true;
        return false;
    }
};

TEST_F(SummaryPageTest, APersonalStatementPrintsEveryParticularAndTotalAtItsPlace)
{
    addFilledStatement(false);
    const DocumentPage page = laidOut<TqrCont_Single>();
    expectHeader(page);
    for (const Place &f : SingleClientFields)
        expectField(page, holderValues().at(f.name), f.left, f.top, f.width, Qt::AlignLeft, 8, false, f.name);
    expectAmounts(page, 243, 609, 811, 116);

    const TextPrimitive *date = page.findText(totalValues().at("Date"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->rect, QRectF(Left + 521, BodyTop + 2, 192, date->rect.height()));
    EXPECT_EQ(date->color, QColor(Qt::white));
    EXPECT_EQ(date->font.pointSize, 10);
    // Only the personal particulars print.
    EXPECT_EQ(page.findText("Spouse Information"), nullptr);
    EXPECT_EQ(page.findText(spouseValues().at("SFullName2")), nullptr);
}

TEST_F(SummaryPageTest, APersonalStatementPrintsItsCaptionsBarsAndHeadings)
{
    addFilledStatement(false);
    const DocumentPage page = laidOut<TqrCont_Single>();
    for (const Place &c : SingleCaptions)
        expectCaption(page, c, 8, false);
    for (const Place &c : SingleBoldCaptions)
        expectCaption(page, c, 8, true);
    expectCaption(page, {"(Does not affect Net Worth)", 490, 421, 0}, 6, false);
    for (const Place &title : {Place{"Personal Information", 5, 2, 0},
                               Place{"Statement of Financial Condition (Balance Sheet)", 5, 192, 0},
                               Place{"Annual Income and Expenditures", 5, 559, 0}})
        expectCaption(page, title, 10, true, BodyTop, Qt::white);
    for (const Place &h : {Place{"Assets", 9, 216, 0}, Place{"Liabilities", 369, 216, 0},
                           Place{"Annual Income", 6, 584, 0}, Place{"Annual Expenditures", 370, 584, 0}})
        expectCaption(page, h, 10, true);
    for (double top : {216, 584}) {
        expectField(page, "In Dollars", 299, top, 61, Qt::AlignRight, 10, true, "In Dollars");
        expectField(page, "In Dollars", 655, top, 61, Qt::AlignRight, 10, true, "In Dollars");
    }
    EXPECT_TRUE(hasBox(page, {1, -2, 717, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 188, 718, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 211, 718, 25}, QColor(0xD3, 0xD3, 0xD3)));
    EXPECT_TRUE(hasBox(page, {1, 557, 718, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 579, 718, 25}, QColor(0xD3, 0xD3, 0xD3)));
    // Particulars rules under each row; the balance sheet's columns; the 4-pixel split of income.
    for (double top : {43, 68, 93, 118, 141})
        EXPECT_TRUE(hasBox(page, {0, top, 720, 2}, Qt::black)) << top;
    for (double left : {205, 295, 428, 603})
        EXPECT_TRUE(hasBox(page, {left, 20, 2, 23}, Qt::black)) << left;
    for (double left : {235, 359, 590}) {
        EXPECT_TRUE(hasBox(page, {left, 236, 3, 514 - 236}, Qt::black)) << left;
        EXPECT_TRUE(hasBox(page, {left, 604, 4, 834 - 604}, Qt::black)) << left;
    }
    EXPECT_TRUE(hasBox(page, {0, 468 + 19, 720, 3}, Qt::black));
    EXPECT_TRUE(hasBox(page, {0, 493 + 19, 720, 2}, Qt::black));
    EXPECT_TRUE(hasBox(page, {0, 784 + 19, 720, 4}, Qt::black));
    EXPECT_TRUE(hasBox(page, {0, 811 + 19, 720, 4}, Qt::black));
}

TEST_F(SummaryPageTest, AJointStatementPrintsTheSpouseBlockAndMovesTheSectionsDown)
{
    addFilledStatement(true);
    const DocumentPage page = laidOut<TqrCont_Joint>();
    expectHeader(page);
    std::map<QString, QString> values = holderValues();
    values.insert(spouseValues().begin(), spouseValues().end());
    for (const Place &f : JointClientFields)
        expectField(page, values.at(f.name), f.left, f.top, f.width, Qt::AlignLeft, 8, false, f.name);
    expectAmounts(page, 341, 664, 866, 117);

    const TextPrimitive *date = page.findText(totalValues().at("Date"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->rect.left(), Left + 625);
    EXPECT_EQ(date->rect.right(), Left + 625 + 87);
    for (const Place &title : {Place{"Personal Information", 5, 0, 0}, Place{"Spouse Information", 5, 145, 0},
                               Place{"Statement of Financial Condition (Balance Sheet)", 5, 287, 0},
                               Place{"Annual Income and Expenditures", 5, 614, 0}})
        expectCaption(page, title, 12, true, BodyTop, Qt::white);
    for (const Place &h : {Place{"Assets", 9, 313, 0}, Place{"Liabilities", 369, 313, 0},
                           Place{"Annual Income", 6, 636, 0}, Place{"Annual Expenditures", 370, 636, 0}})
        expectCaption(page, h, 12, true);
    for (double top : {313, 636}) {
        expectField(page, "In Dollars", 287, top, 73, Qt::AlignRight, 12, true, "In Dollars");
        expectField(page, "In Dollars", 643, top, 73, Qt::AlignRight, 12, true, "In Dollars");
    }
    for (double top : {125, 270})
        expectCaption(page, {"Residence Phone: ", 215, top, 0}, 8, false);
    for (double top : {25, 170})
        expectCaption(page, {"Name: ", 4, top, 0}, 8, false);
    expectCaption(page, {"(Does not affect Net Worth)", 493, 341 + 175 + 3, 0}, 6, false);
    expectCaption(page, {"Rental Payments", 370, 839, 0}, 8, false);
    expectCaption(page, {"Total Income", 6, 866, 0}, 8, true);
    EXPECT_TRUE(hasBox(page, {1, 143, 717, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 286, 718, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 309, 718, 25}, QColor(0xD3, 0xD3, 0xD3)));
    EXPECT_TRUE(hasBox(page, {1, 612, 718, 22}, Qt::black));
    EXPECT_TRUE(hasBox(page, {1, 634, 718, 25}, QColor(0xD3, 0xD3, 0xD3)));
}

TEST_F(SummaryPageTest, TheSpouseEmployerRowPrintsTheEmployersCityAndStateNotTheHomeOnes)
{
    addFilledStatement(true);
    const DocumentPage page = laidOut<TqrCont_Joint>();
    expectField(page, "Peoria", 327, 245, 101, Qt::AlignLeft, 8, false, "SECity");
    expectField(page, "WI", 466, 245, 41, Qt::AlignLeft, 8, false, "SEState");
    EXPECT_EQ(textAt(page, "Chatham", Left + 327, BodyTop + 245), nullptr);
}

TEST_F(SummaryPageTest, EmptyTotalsPrintBlankFieldsWithEveryCaptionBarAndRule)
{
    addFilledStatement(false);
    const DocumentPage filled = laidOut<TqrCont_Single>();
    addBareStatement();
    const DocumentPage bare = laidOut<TqrCont_Single>();

    QStringList expected = textsOf(filled);
    for (const auto *values : {&holderValues(), &totalValues()})
        for (const auto &[field, value] : *values)
            expected.removeAll(values == &totalValues() ? printedAmount(value) : value);
    EXPECT_EQ(textsOf(bare), expected);
    EXPECT_TRUE(boxes(bare).size() == boxes(filled).size());
    for (size_t i = 0; i < boxes(bare).size(); ++i)
        EXPECT_TRUE(boxes(bare)[i] == boxes(filled)[i]) << i;
}

TEST_F(SummaryPageTest, ThePersonalPagePrintsTheSpouseSalaryRowLikeAnyOther)
{
    addFilledStatement(false);
    const DocumentPage page = laidOut<TqrCont_Single>();
    expectCaption(page, {"Salaries & Wages (Spouse)", 6, 634, 0}, 8, false);
    expectField(page, "64,000.00", 242, 634, 117, Qt::AlignRight, 8, false, "Salary_Spouse");
}

} // namespace
