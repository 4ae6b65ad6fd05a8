// The schedule sheets: every row of every detail table under its heading, totals from FSPro.
#include <tuple>

#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/engine/text_metrics.h"
#include "print/pages/tqr_cont_joint_details.h"
#include "print/pages/tqr_cont_joint_details_inc.h"
#include "print/pages/tqr_cont_joint_details_l.h"
#include "support/print/statement_fixture.h"

using namespace Report;

namespace {

constexpr double Left = 48;

class SchedulePageTest : public StatementTest
{
protected:
    template <class Page>
    Document laidOut()
    {
        return layOut(std::make_unique<Page>(*dm));
    }

    // The texts of every sheet, in printing order.
    static QStringList allTexts(const Document &doc)
    {
        QStringList texts;
        for (const DocumentPage &page : doc.pages)
            texts << textsOf(page);
        return texts;
    }

    static const TextPrimitive *find(const Document &doc, const QString &text, int skip = 0)
    {
        for (const DocumentPage &page : doc.pages)
            for (const TextPrimitive *t : page.texts())
                if (t->text == text && skip-- == 0)
                    return t;
        return nullptr;
    }
};

TEST_F(SchedulePageTest, AStatementWithoutDetailRowsPrintsOnlyThePageHeadersAndSectionLines)
{
    addFilledStatement(false);
    Document assets = laidOut<TqrCont_Joint_Details>();
    Document liabilities = laidOut<TqrCont_Joint_Details_L>();
    Document income = laidOut<TqrCont_Joint_Details_Inc>();
    EXPECT_EQ(allTexts(assets), QStringList({"Financial Statement Details", "Section 2 - Assets", "508,250.75"}));
    EXPECT_EQ(allTexts(liabilities), QStringList({"Financial Statement Details", "Section 2 - Liabilities", "176,350.40"}));
    EXPECT_EQ(allTexts(income),
              QStringList({"Financial Statement Details", "Section 3 - Annual Income and Expenditures"}));
    for (const Document *doc : {&assets, &liabilities, &income})
        EXPECT_EQ(doc->pageCount(), 1);

    // The header box and the section line at their places.
    const TextPrimitive *header = find(assets, "Financial Statement Details");
    EXPECT_DOUBLE_EQ(header->rect.center().x(), Left + 431 + 137);
    // As large as its 274-pixel box allows, and whole inside it.
    EXPECT_GE(header->font.pointSize, 15);
    EXPECT_LE(TextMetrics::width(header->text, header->font), 274);
    EXPECT_TRUE(header->font.bold);
    EXPECT_DOUBLE_EQ(find(liabilities, "Financial Statement Details")->rect.center().x(), Left + 432 + 137);
    EXPECT_DOUBLE_EQ(find(income, "Financial Statement Details")->rect.right(), Left + 440 + 274);
    const TextPrimitive *total = find(assets, "508,250.75");
    EXPECT_DOUBLE_EQ(total->rect.right(), Left + 627 + 91);
    EXPECT_EQ(total->rect.top(), 48 + 40 + 3);
    EXPECT_EQ(total->font.pointSize, 12);
    EXPECT_DOUBLE_EQ(find(liabilities, "176,350.40")->rect.right(), Left + 605 + 111);
    EXPECT_EQ(find(assets, "Section 2 - Assets")->rect.topLeft(), QPointF(Left + 8, 48 + 40 + 3));
}

TEST_F(SchedulePageTest, EachScheduleListsItsRowsInTableOrderAndTakesItsTotalsFromFSPro)
{
    addFilledStatement(false);
    addDetailRows();
    // Totals that disagree with the rows print as stored.
    set(dm->tblFSPro, {{"CashOnHand", "99999"}});
    const Document doc = laidOut<TqrCont_Joint_Details>();
    ASSERT_EQ(doc.pageCount(), 1);
    const QStringList texts = allTexts(doc);
    const qsizetype a = texts.indexOf("Schedule A - Deposit Relationships");
    const qsizetype b = texts.indexOf("Schedule B - Real Estate");
    ASSERT_GE(a, 0);
    ASSERT_GT(b, a);
    // The cash rows come in the table's order (by registered name), then the footer.
    const QStringList cash = texts.mid(a, b - a);
    EXPECT_EQ(cash,
              QStringList({"Schedule A - Deposit Relationships", "Type of Account", "Registered in Name of", "Bank",
                           "Account Number", "Current Balance", "Savings Account", "John and Mary Smith",
                           "Heartland Savings", "****0932", "4,300.00", "Checking Account", "John Q. Smith",
                           "First Prairie Bank", "****4471", "8,200.00", "Total", "99,999.00"}));
    const TextPrimitive *total = find(doc, "99,999.00");
    EXPECT_DOUBLE_EQ(total->rect.right(), Left + 563 + 150);
    EXPECT_EQ(total->font.pointSize, 10);
    EXPECT_TRUE(total->font.bold);
    const TextPrimitive *first = find(doc, "Savings Account");
    const TextPrimitive *second = find(doc, "Checking Account");
    EXPECT_EQ(second->rect.top() - first->rect.top(), 20);
    EXPECT_EQ(first->rect.left(), Left + 8);
    EXPECT_DOUBLE_EQ(find(doc, "4,300.00")->rect.right(), Left + 592 + 121);
    for (const char *title : {"Schedule C - Securities", "Schedule D - Automobiles",
                              "Schedule E - Cash Value of Life Insurance", "Schedule F - Household and Personal Assets",
                              "Schedule G - Business Assets", "Schedule H"})
        EXPECT_TRUE(texts.contains(title)) << title;
    EXPECT_TRUE(texts.contains(
        "- Other Assets (Accounts and Notes Receivable, Restricted or Margin Accounts All Other Assets)"));
}

TEST_F(SchedulePageTest, ARealEstateRowPrintsInScheduleBWithItsMarketSideAndInScheduleJWithItsMortgage)
{
    addFilledStatement(false);
    addDetailRows();
    const Document assets = laidOut<TqrCont_Joint_Details>();
    const Document liabilities = laidOut<TqrCont_Joint_Details_L>();
    // Schedule B: the row's first line, its second line 23 below, and the "%" after the share.
    const TextPrimitive *type = find(assets, "Homestead");
    ASSERT_NE(type, nullptr);
    const double rowTop = type->rect.top() - 3;
    const DocumentPage &sheet = assets.pages[0];
    EXPECT_NE(textAt(sheet, "1420 Maple Avenue", Left + 110, rowTop + 3), nullptr);
    EXPECT_DOUBLE_EQ(find(assets, "1998")->rect.center().x(), Left + 331 + 19.5);
    EXPECT_DOUBLE_EQ(find(assets, "100")->rect.right(), Left + 391 + 28);
    EXPECT_NE(textAt(sheet, "%", Left + 420, rowTop + 3), nullptr);
    EXPECT_DOUBLE_EQ(find(assets, "250,000.00")->rect.right(), Left + 459 + 125);
    EXPECT_DOUBLE_EQ(find(assets, "250,000.00", 1)->rect.right(), Left + 587 + 125);
    EXPECT_NE(textAt(sheet, "Title in Name of:", Left + 6, rowTop + 23), nullptr);
    EXPECT_NE(textAt(sheet, "John and Mary Smith", Left + 102, rowTop + 23), nullptr);
    EXPECT_NE(textAt(sheet, "Lien Holder:", Left + 308, rowTop + 23), nullptr);
    EXPECT_NE(textAt(sheet, "Prairie Mortgage Co.", Left + 380, rowTop + 23), nullptr);
    EXPECT_TRUE(find(assets, "Title in Name of:")->font.bold);

    // Schedule J: the same row with its mortgage values.
    const TextPrimitive *jType = find(liabilities, "Homestead");
    ASSERT_NE(jType, nullptr);
    const double jTop = jType->rect.top() - 3;
    const DocumentPage &jSheet = liabilities.pages[0];
    EXPECT_NE(textAt(jSheet, "1420 Maple Avenue", Left + 105, jTop + 3), nullptr);
    EXPECT_NE(textAt(jSheet, "%", Left + 448, jTop + 3), nullptr);
    EXPECT_DOUBLE_EQ(find(liabilities, "142,000.00")->rect.right(), Left + 472 + 109);
    EXPECT_DOUBLE_EQ(find(liabilities, "142,000.00", 1)->rect.right(), Left + 592 + 121);
    EXPECT_NE(textAt(jSheet, "Title in Name of:", Left + 8, jTop + 22), nullptr);
    EXPECT_NE(textAt(jSheet, "Prairie Mortgage Co.", Left + 326, jTop + 22), nullptr);
    // Two-line headings. Each value column is headed as the Real Estate Liabilities window
    // names its figure: the whole loan "Current Balance", the owed share "Asset Liability".
    for (const char *heading : {"Year", "Acquired", "% Liability"})
        EXPECT_NE(find(liabilities, heading), nullptr) << heading;
    const double loanRight = find(liabilities, "142,000.00")->rect.right();
    const double shareRight = find(liabilities, "142,000.00", 1)->rect.right();
    for (const auto &[first, second, right] : {std::tuple{"Current", "Balance", loanRight},
                                               std::tuple{"Asset", "Liability", shareRight}}) {
        const TextPrimitive *top = find(liabilities, first);
        const TextPrimitive *bottom = find(liabilities, second);
        ASSERT_TRUE(top && bottom) << first;
        EXPECT_NEAR(top->rect.right(), right, 1.5) << first;
        EXPECT_NEAR(bottom->rect.right(), right, 1.5) << second;
        EXPECT_LT(top->rect.top(), bottom->rect.top()) << first;
    }
    EXPECT_EQ(find(liabilities, "Mortgage"), nullptr);
}

TEST_F(SchedulePageTest, ALongScheduleRunsOnToFurtherSheetsThatRepeatTheHeaderAndTheScheduleHeading)
{
    addFilledStatement(false);
    for (int i = 0; i < 120; ++i)
        addRow(dm->tblCash, {{"Type", "Checking Account"},
                             {"RegisteredName", QStringLiteral("Holder %1").arg(i, 3, 10, QLatin1Char('0'))},
                             {"Balance", QString::number(100 + i)}});
    select();
    const Document doc = laidOut<TqrCont_Joint_Details>();
    ASSERT_GE(doc.pageCount(), 3);
    int rows = 0;
    for (int s = 0; s < doc.pageCount(); ++s) {
        const QStringList texts = textsOf(doc.pages[size_t(s)]);
        EXPECT_EQ(texts.first(), "Financial Statement Details") << s;
        EXPECT_EQ(texts.contains("Section 2 - Assets"), s == 0) << s;
        EXPECT_TRUE(texts.contains("Schedule A - Deposit Relationships")) << s;
        EXPECT_TRUE(texts.contains("Current Balance")) << s;
        const QStringList holders = texts.filter("Holder ");
        for (const QString &holder : holders)
            EXPECT_EQ(holder, QStringLiteral("Holder %1").arg(rows++, 3, 10, QLatin1Char('0')));
        // Nothing runs below the bottom margin.
        for (const TextPrimitive *t : doc.pages[size_t(s)].texts())
            EXPECT_LE(t->rect.top(), 48 + 960) << t->text.toStdString();
    }
    EXPECT_EQ(rows, 120);
    const QStringList last = textsOf(doc.pages.back());
    EXPECT_EQ(last.last(), "12,500.00");
    EXPECT_EQ(last[last.size() - 2], "Total");
}

TEST_F(SchedulePageTest, TheLiabilityAndIncomeSchedulesPrintTheirRowsAndTotals)
{
    addFilledStatement(false);
    addDetailRows();
    const QStringList liabilities = allTexts(laidOut<TqrCont_Joint_Details_L>());
    for (const char *text : {"Schedule I - Notes Payable", "Home equity line", "Schedule K - Credit Card Liability",
                             "Visa Platinum", "2,100.40", "18,000.00", "Schedule L - Auto Liability", "Lien Holder",
                             "Honda Finance", "Schedule M - Tax Liability", "Second installment due in June",
                             "Schedule N - All Other Liabilities", "Student loan", "220.00",
                             "Schedule O - Contingent Liabilities (Not Included in Net Worth Calculation)",
                             "Smith Consulting LLC", "06/30/2027", "25,000.00"})
        EXPECT_TRUE(liabilities.contains(text)) << text;

    const QStringList texts = allTexts(laidOut<TqrCont_Joint_Details_Inc>());
    // The monthly amounts (currency fields) and the yearly ones (floats) print alike, as money.
    for (const char *text : {"Annual Income - Detailed Summary", "Monthly (Average)", "Yearly", "Midland Freight salary",
                             "8,000.00", "96,000.00", "283.38", "16,425.04", "197,100.50",
                             "Annual Expenditures - Detailed Summary", "Home mortgage", "1,800.00", "21,600.00", "4,700.00",
                             "56,400.00"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(texts.count("Totals"), 2);
}

} // namespace
