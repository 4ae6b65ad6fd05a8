// The schedule of real estate owned, written as PDF and read back as a reader of the file
// sees it; its place in the statement run.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "support/pdf_reader.h"
#include "support/print/statement_fixture.h"
#include "totals/totals.h"

using namespace Report;

namespace {

class RealEstateScheduleTest : public StatementTest
{
protected:
    void addProperties(const std::vector<std::map<QString, QString>> &rows)
    {
        for (const auto &row : rows)
            addRow(dm->tblRealEstate, row);
        select();
        RecalcRealEstateTotals(*dm);
        select();
    }

    // The run written as a PDF, as --reo and the print window write it.
    std::vector<PdfWord> writtenRun(PrintRun run)
    {
        RunPages pages = createRunPages(run, *dm);
        CompositeReport composite;
        prepareComposite(composite, run, *dm, pages);
        const QString path = dir.filePath("run.pdf");
        if (const QString keep = qEnvironmentVariable("WORTHSHEET_TEST_OUTPUT"); !keep.isEmpty())
            QFile::remove(keep + "/real-estate-schedule.pdf"), composite.writePdf(keep + "/real-estate-schedule.pdf");
        QString error;
        EXPECT_TRUE(composite.writePdf(path, &error)) << error.toStdString();
        return pdfWords(path);
    }

    QTemporaryDir dir;
};

// Three properties, two further liens on the first: each figure read back from the PDF on
// its property's line, in its column.
TEST_F(RealEstateScheduleTest, PrintsEachPropertyWithItsLiensEquityLoanToValueAndTheTotals)
{
    addFilledStatement(true);
    addProperties({
        // Grid order is by description: Duplex, Home, Lot.
        {{"Description", "Home"}, {"Type", "Residence"}, {"Occupancy", "Owner Occupied"}, {"PercentOwned", "100"},
         {"MarketValue", "300000"}, {"Address", "1 Main St"}, {"City", "Springfield"}, {"State", "IL"},
         {"Zip", "62701"}, {"DatePurchased", "05/01/2015"}, {"OriginalCost", "210000"}, {"LienHolder", "First Bank"},
         {"LienAccountNumber", "FB-1001"}, {"CurrentBalance", "150000"}, {"PercentLiability", "100"},
         {"MonthlyPayment", "1200"}, {"InterestRate", "3.75"}, {"LienStatus", "Current"}},
        {{"Description", "Home HELOC"}, {"LienOnProperty", "Home"}, {"MarketValue", "0"}, {"PercentOwned", "100"},
         {"LienHolder", "Credit Union"}, {"LienAccountNumber", "CU-2002"}, {"CurrentBalance", "40000"},
         {"PercentLiability", "100"}, {"MonthlyPayment", "300"}, {"InterestRate", "8.25"}, {"LienStatus", "Current"}},
        {{"Description", "Home second"}, {"LienOnProperty", "Home"}, {"MarketValue", "0"}, {"PercentOwned", "100"},
         {"LienHolder", "Private Lender"}, {"LienAccountNumber", "PL-3003"}, {"CurrentBalance", "10000"},
         {"PercentLiability", "100"}, {"MonthlyPayment", "150"}, {"LienStatus", "30 Days Past Due"}},
        {{"Description", "Duplex"}, {"Type", "Rental"}, {"Occupancy", "Tenant Occupied"}, {"PercentOwned", "50"},
         {"MarketValue", "400000"}, {"LienHolder", "Second Bank"}, {"LienAccountNumber", "SB-4004"},
         {"CurrentBalance", "200000"}, {"PercentLiability", "50"}, {"MonthlyPayment", "1500"},
         {"MonthlyRent", "3200"}, {"MonthlyTaxes", "300"}, {"MonthlyInsurance", "100"}, {"MonthlyDues", "50"}},
        {{"Description", "Lot"}, {"Type", "Land"}, {"Occupancy", "Vacant"}, {"PercentOwned", "100"},
         {"MarketValue", "50000"}, {"MonthlyTaxes", "80"}},
    });
    const std::vector<PdfWord> words = writtenRun(PrintRun::RealEstateSchedule);

    // Columns' right edges on the sheet (48 px margin): the figures line and the lien line.
    constexpr double Margin = 48, Line = 14;
    constexpr double OwnedValue = Margin + 160, NetRental = Margin + 585, Equity = Margin + 670, Ltv = Margin + 720;
    constexpr double Balance = Margin + 510, Payment = Margin + 720, MarketValue = Margin + 720;
    struct Figure
    {
        QString property;
        int line; // 0 the property, 1 its figures, 2 on its first lien, 3 its second ...
        double right;
        QString text;
    };
    const std::vector<Figure> figures = {
        // Duplex: 50 % of 400,000 owned, 50 % of 200,000 owed.
        {"Property 1: Duplex", 0, MarketValue, "400,000.00"},
        {"Property 1: Duplex", 1, OwnedValue, "200,000.00"},
        {"Property 1: Duplex", 1, Equity, "100,000.00"}, // 200,000 − 100,000
        {"Property 1: Duplex", 1, Ltv, "50.0%"},         // 200,000 ÷ 400,000
        // 0.5 × (3,200 − 300 − 100 − 50) − 0.5 × 1,500 = 1,375 − 750
        {"Property 1: Duplex", 1, NetRental, "625.00"},
        {"Property 1: Duplex", 2, Balance, "200,000.00"},
        // Home: the property row's own lien, then the two lien rows naming it.
        {"Property 2: Home", 1, Equity, "100,000.00"}, // 300,000 − (150,000 + 40,000 + 10,000)
        {"Property 2: Home", 1, Ltv, "66.7%"},         // 200,000 ÷ 300,000 = 66.67
        {"Property 2: Home", 2, Balance, "150,000.00"},
        {"Property 2: Home", 3, Balance, "40,000.00"},
        {"Property 2: Home", 4, Balance, "10,000.00"},
        {"Property 2: Home", 4, Payment, "150.00"},
        // Lot: vacant, owned whole, no lien: 1 × (0 − 80 − 0 − 0) − 0.
        {"Property 3: Lot", 1, Equity, "50,000.00"},
        {"Property 3: Lot", 1, Ltv, "0.0%"},
        {"Property 3: Lot", 1, NetRental, "-80.00"},
    };
    for (const Figure &f : figures) {
        SCOPED_TRACE((f.property + " " + f.text).toStdString());
        const std::optional<PdfPhrase> property = findPhrase(words, 1, f.property, {Margin, 0});
        ASSERT_TRUE(property);
        const double top = property->box.top() + f.line * Line;
        const std::optional<PdfPhrase> found = findPhrase(words, 1, f.text, {f.right - 55, top});
        ASSERT_TRUE(found);
        EXPECT_NEAR(found->box.top(), top, 2);
        EXPECT_NEAR(found->box.right(), f.right, 2);
    }
    // Home's second lien line: its holder, account, rate and status.
    const std::optional<PdfPhrase> home = findPhrase(words, 1, "Property 2: Home", {Margin, 0});
    ASSERT_TRUE(home);
    for (const QString &text : {"Credit Union", "CU-2002", "8.25%"})
        EXPECT_NEAR(findPhrase(words, 1, text, {Margin, home->box.top() + 3 * Line})->box.top(), home->box.top() + 3 * Line, 2);
    EXPECT_TRUE(findPhrase(words, 1, "30 Days Past Due", {Margin + 345, home->box.top() + 4 * Line}));

    // Totals: value 750,000 (400,000 + 300,000 + 50,000); owned 200,000 + 300,000 + 50,000;
    // balances 200,000 + 150,000 + 40,000 + 10,000 = 400,000, owed 100,000 + 200,000;
    // equity 550,000 − 300,000; payments 1,500 + 1,200 + 300 + 150; net rental 625 − 80;
    // LTV 400,000 ÷ 750,000 = 53.33 %.
    const std::optional<PdfPhrase> totals = findPhrase(words, 1, "Totals", {Margin, 1000});
    ASSERT_TRUE(totals);
    const std::vector<Figure> totalFigures = {
        {"", 0, MarketValue, "750,000.00"}, {"", 1, OwnedValue, "550,000.00"}, {"", 1, Equity, "250,000.00"},
        {"", 1, NetRental, "545.00"},       {"", 1, Ltv, "53.3%"},             {"", 2, Balance, "400,000.00"},
        {"", 2, Payment, "3,150.00"},       {"", 2, Margin + 635, "300,000.00"},
    };
    for (const Figure &f : totalFigures) {
        SCOPED_TRACE(f.text.toStdString());
        const double top = totals->box.top() + f.line * Line;
        const std::optional<PdfPhrase> found = findPhrase(words, 1, f.text, {f.right - 55, top});
        ASSERT_TRUE(found);
        EXPECT_NEAR(found->box.top(), top, 2);
        EXPECT_NEAR(found->box.right(), f.right, 2);
    }
    // One sheet, numbered as every sheet of ours.
    EXPECT_TRUE(findPhrase(words, 1, "Page 1 of 1", {400, 1000}));
}

// The statement run lists the schedule after the liability schedules (Schedule J is among
// them) when there is a property, and not at all without one: a statement of lien rows
// alone, or of none, prints as it always did. A long schedule runs onto further sheets,
// each headed by the columns, and no property is split between two sheets.
TEST_F(RealEstateScheduleTest, FollowsTheLiabilitySchedulesOnlyWithAPropertyAndRunsOnToFurtherSheets)
{
    addFilledStatement(true);
    const auto pageNames = [this](PrintRun run) {
        QStringList names;
        for (const auto &page : createRunPages(run, *dm))
            names << page->name();
        return names;
    };
    const QStringList statement = {"TqrCont_Joint", "TqrCont_Joint_Sect4", "TqrCont_Joint_Details",
                                   "TqrCont_Joint_Details_L", "TqrCont_Joint_Details_Inc"};
    EXPECT_EQ(pageNames(PrintRun::Joint), statement);
    addProperties({{{"Description", "Stray"}, {"LienOnProperty", "Cabin"}, {"CurrentBalance", "5000"}}});
    EXPECT_EQ(pageNames(PrintRun::Joint), statement);

    std::vector<std::map<QString, QString>> rows;
    for (int n = 1; n <= 40; ++n) {
        const QString name = QStringLiteral("Property %1").arg(n, 2, 10, QChar(u'0'));
        rows.push_back({{"Description", name}, {"MarketValue", "100000"}, {"PercentOwned", "100"},
                        {"LienHolder", "Bank " + name}, {"CurrentBalance", "50000"}, {"PercentLiability", "100"}});
        rows.push_back({{"Description", name + " lien"}, {"LienOnProperty", name}, {"LienHolder", "Lender " + name},
                        {"CurrentBalance", "1000"}, {"PercentLiability", "100"}});
    }
    addProperties(rows);
    QStringList withSchedule = statement;
    withSchedule.insert(4, "TqrRealEstateOwned");
    EXPECT_EQ(pageNames(PrintRun::Joint), withSchedule);
    dm->tblClient.Edit();
    dm->tblClient.FieldByName("SLastName").SetAsString("");
    dm->tblClient.Post();
    EXPECT_EQ(pageNames(PrintRun::Personal),
              QStringList({"TqrCont_Single", "TqrCont_Single_Sect4", "TqrCont_Joint_Details",
                           "TqrCont_Joint_Details_L", "TqrRealEstateOwned", "TqrCont_Joint_Details_Inc"}));

    const std::vector<PdfWord> words = writtenRun(PrintRun::RealEstateSchedule);
    int sheets = 0;
    for (const PdfWord &word : words)
        sheets = std::max(sheets, word.page);
    ASSERT_GE(sheets, 2);
    for (int sheet = 1; sheet <= sheets; ++sheet) {
        EXPECT_TRUE(findPhrase(words, sheet, "Schedule of Real Estate Owned", {0, 0})) << sheet;
        EXPECT_TRUE(findPhrase(words, sheet, "Lien holder", {0, 0})) << sheet;
    }
    // Every property with its own lien and its lien row on one sheet, in grid order.
    int lastSheet = 1;
    for (int n = 1; n <= 40; ++n) {
        const QString name = QStringLiteral("Property %1").arg(n, 2, 10, QChar(u'0'));
        const auto sheetOf = [&words, sheets](const QString &phrase) {
            for (int sheet = 1; sheet <= sheets; ++sheet)
                if (findPhrase(words, sheet, phrase, {0, 0}))
                    return sheet;
            return 0;
        };
        const int sheet = sheetOf(QStringLiteral("Property %1: %2").arg(n).arg(name));
        EXPECT_GE(sheet, lastSheet) << n;
        EXPECT_EQ(sheetOf("Bank " + name), sheet) << n;
        EXPECT_EQ(sheetOf("Lender " + name), sheet) << n;
        lastSheet = sheet;
    }
    EXPECT_TRUE(findPhrase(words, sheets, "Totals", {0, 1000}));
}

} // namespace
