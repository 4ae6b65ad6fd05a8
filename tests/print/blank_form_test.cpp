// The blank form: eleven fixed sheets, whatever statement is selected.
#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/engine/report_page.h"
#include "print/engine/text_metrics.h"
#include "print/run_pages.h"
#include "support/print/statement_fixture.h"

using namespace Report;

namespace {

const QStringList BlankPages = {"TqrBlank_Cont",          "TqrBlank_Cont_Sect4",    "TqrBlank_Cont_Assets_A",
                                "TqrBlank_Cont_Assets_B", "TqrBlank_Cont_Assets_C", "TqrBlank_Cont_Assets_D",
                                "TqrBlank_Cont_L_A",      "TqrBlank_Cont_L_B",      "TqrBlank_Cont_L_C",
                                "TqrBlank_Cont_L_D",      "TqrBlank_Cont_Income"};

class BlankFormTest : public StatementTest
{
protected:
    Document blankForm() { return layOut(createRunPages(PrintRun::Blank, *dm)); }

    // The rules across the band (720 wide, 1 pixel) of a sheet's schedule between two tops.
    static int writingLines(const DocumentPage &page, double from, double to)
    {
        int lines = 0;
        for (const Primitive &p : page.primitives)
            if (const auto *b = std::get_if<BoxPrimitive>(&p))
                lines += b->rect.width() == 720 && b->rect.height() == 1 && b->rect.top() > from && b->rect.top() < to;
        return lines;
    }
};

TEST_F(BlankFormTest, PrintsElevenSheetsInOrderIdenticalWhateverStatementIsSelected)
{
    const Document none = blankForm();
    ASSERT_EQ(none.pageCount(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(none.pages[size_t(i)].report, BlankPages[i]);

    addFilledStatement(true);
    addDetailRows();
    const Document filled = blankForm();
    EXPECT_TRUE(filled == none);
    // No value of any table is printed.
    QStringList printed;
    for (const DocumentPage &page : filled.pages)
        printed << textsOf(page);
    for (const auto *values : {&holderValues(), &spouseValues(), &totalValues()})
        for (const auto &[field, value] : *values)
            if (value.size() > 3)
                EXPECT_FALSE(printed.contains(value)) << field.toStdString();
    for (const auto &[table, row] : detailRows())
        for (const auto &[field, value] : row)
            if (value.size() > 3 && value != "Other")
                EXPECT_FALSE(printed.contains(value)) << field.toStdString() << " " << value.toStdString();
}

TEST_F(BlankFormTest, TheSummarySheetHasBothParticularsBlocksAndTheBlankFormsHeadings)
{
    const DocumentPage summary = blankForm().pages[0];
    const QStringList texts = textsOf(summary);
    EXPECT_EQ(texts.count("Name: "), 2);
    EXPECT_EQ(texts.count("Employer's Address: "), 2);
    EXPECT_TRUE(texts.contains("Personal Information"));
    EXPECT_TRUE(texts.contains("Spouse Information"));
    EXPECT_TRUE(texts.contains("Contingent Liabilities (O)"));
    EXPECT_FALSE(texts.contains("Contingent Liabilities (O) "));
    EXPECT_FALSE(texts.contains(QString::fromLatin1("https://www.norvale.com")));
    EXPECT_NE(textAt(summary, "Name: ", 48 + 4, 48 + 55 + 26), nullptr);
    EXPECT_NE(textAt(summary, "Name: ", 48 + 4, 48 + 55 + 169), nullptr);
    EXPECT_NE(textAt(summary, "(Does not affect Net Worth)", 48 + 493, 48 + 55 + 518), nullptr);
    const TextPrimitive *heading = summary.findText("WORTHSHEET");
    EXPECT_DOUBLE_EQ(heading->rect.right(), 48 + 357 + 353);
    EXPECT_EQ(heading->font.pointSize, 16);
    EXPECT_FALSE(heading->font.bold);
    for (const auto &[text, left, top] : {std::tuple{"Assets", 9, 313}, std::tuple{"In Dollars", 295, 313},
                                          std::tuple{"Liabilities", 369, 313}, std::tuple{"Annual Income", 6, 636},
                                          std::tuple{"Annual Expenditures", 370, 636}}) {
        const TextPrimitive *t = textAt(summary, text, 48 + left, 48 + 55 + top);
        ASSERT_NE(t, nullptr) << text << " " << left;
        EXPECT_EQ(t->font.pointSize, 12);
        EXPECT_FALSE(t->font.bold);
    }
    // At 12 point the right-hand "In Dollars" would run into the frame: it keeps its left
    // and line, a little smaller, inside the frame.
    for (int skip = 0; skip < 4; ++skip) {
        const TextPrimitive *t = summary.findText("In Dollars", skip);
        ASSERT_NE(t, nullptr);
        if (t->rect.left() < 48 + 600)
            continue;
        EXPECT_DOUBLE_EQ(t->rect.left(), 48 + 651);
        EXPECT_GE(t->font.pointSize, 11);
        EXPECT_LE(t->rect.left() + TextMetrics::width(t->text, t->font), 48 + 718.25);
    }
}

TEST_F(BlankFormTest, EverySchedulePrintsFifteenWritingLinesAndItsHeadingsAsWritten)
{
    const Document form = blankForm();
    for (int i = 2; i < 11; ++i) {
        const DocumentPage &sheet = form.pages[size_t(i)];
        SCOPED_TRACE(sheet.report.toStdString());
        const QStringList texts = textsOf(sheet);
        EXPECT_EQ(texts.first(), "Financial Statement Details");
        // Writing lines between the heading bar and the short total rule of each schedule.
        EXPECT_EQ(writingLines(sheet, 48 + 53 + 80, 48 + 53 + 370), 15);
        EXPECT_EQ(writingLines(sheet, 48 + 53 + 530, 48 + 53 + 823), i == 9 ? 0 : 15);
        EXPECT_EQ(texts.count("Total") + texts.count("Totals"), i == 9 ? 1 : 2);
    }
    const auto has = [&](int sheet, const char *text) { return textsOf(form.pages[size_t(sheet)]).contains(text); };
    EXPECT_TRUE(has(4, "Benificiary"));
    EXPECT_TRUE(has(7, "Lien Holder"));
    EXPECT_TRUE(has(2, "Registered in Name of:"));
    EXPECT_TRUE(has(2, "Acquired"));
    // The long title of schedule H stays whole on its bar.
    const TextPrimitive *h = form.pages[5].findText(
        "Schedule H - Other Assets (Accounts and Notes Receivable, Restricted or Margin Accounts and All Other Assets)");
    ASSERT_NE(h, nullptr);
    EXPECT_GE(h->font.pointSize, 9);
    EXPECT_LE(h->rect.left() + TextMetrics::width(h->text, h->font), 48 + 720);
    EXPECT_GE(h->rect.left(), 48);
    EXPECT_EQ(form.pages[2].findText("Schedule A - Deposit Relationships")->rect.left(), 48 + 8);
    EXPECT_TRUE(has(9, "Schedule O - Contingent Liabilities (Not Included in Net Worth Calculation)"));
    EXPECT_TRUE(has(10, "Annual Expenditures - Detailed Summary"));
    EXPECT_EQ(form.pages[5].findText("Section 2 - Assets (Cont.)")->font.pointSize, 14);
    EXPECT_EQ(form.pages[3].findText("Section 2 - Assets (Cont.)")->font.pointSize, 12);
    EXPECT_EQ(form.pages[10].findText("Section 3 - Annual Income and Expenditures")->rect.left(), 48 + 8);
    // Right-justified headings end where the statement's columns end.
    EXPECT_DOUBLE_EQ(form.pages[2].findText("Current Balance")->rect.right(), 48 + 713);
    EXPECT_DOUBLE_EQ(form.pages[3].findText("Current Value")->rect.right(), 48 + 714);
}

TEST_F(BlankFormTest, TheSection4SheetHasTheQuestionsAdvisersBlankDeclarationAndTwoSignatures)
{
    const DocumentPage sheet = blankForm().pages[1];
    const QStringList texts = textsOf(sheet);
    EXPECT_FALSE(texts.contains("X"));
    EXPECT_FALSE(texts.contains("Yes"));
    EXPECT_FALSE(texts.contains("No"));
    EXPECT_NE(textAt(sheet, "Do you have a will?", 48 + 12, 48 + 35), nullptr);
    EXPECT_NE(textAt(sheet, "Do any assets secure debts which have not been reported in the statement?", 48 + 12,
                     48 + 440),
              nullptr);
    EXPECT_EQ(texts.count("Executor:"), 1);
    EXPECT_EQ(texts.count("Explain:"), 9);
    EXPECT_EQ(texts.count("Accountant:"), 2);
    EXPECT_EQ(texts.count("Phone:"), 8);
    EXPECT_NE(textAt(sheet, "Contacts (Spouse)", 48 + 365, 48 + 490), nullptr);
    const TextPrimitive *first = textAt(
        sheet,
        "The information contained in this statement and supporting schedules is provided to induce you to extend or to "
        "continue the extension of credit to the undersigned or to",
        48 + 7, 48 + 675);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->rect.width(), 708);
    EXPECT_NE(textAt(sheet,
                     "and of any material adverse change (1) in any of the information contained in this statement or "
                     "(2) in the financial condition of the undersigned or (3) in the ability   ",
                     48 + 7, 48 + 675 + 44),
              nullptr);
    EXPECT_EQ(texts.count(QStringLiteral("Signed ") + QString(58, u'_')), 2);
    EXPECT_NE(textAt(sheet, "(I have read and I understand the above paragraph.)", 48 + 255, 48 + 831), nullptr);
    EXPECT_NE(textAt(sheet, "(I have read and I understand the above paragraph.)", 48 + 255, 48 + 898), nullptr);
}

} // namespace
