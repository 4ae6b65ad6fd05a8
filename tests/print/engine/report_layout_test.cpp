// Laying report pages out into sheets: pagination, data sets, before-print and composites.
#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/engine/db_text.h"
#include "print/engine/label.h"
#include "print/engine/report_page.h"
#include "print/engine/shape.h"
#include "print/engine/text_metrics.h"
#include "support/temp_database.h"

using namespace Report;

namespace {

QStringList textsOf(const DocumentPage &page)
{
    QStringList found;
    for (const TextPrimitive *t : page.texts())
        found << t->text;
    return found;
}

Label &label(Band &band, const QString &caption, double left, double top, double width = 100)
{
    return band.add<Label>(caption, QRectF(left, top, width, 0));
}

class ReportLayoutTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        clientId = addClient("Ann", "Archer");
    }

    void addCash(const QString &registeredName, double balance, const QString &owner = {})
    {
        Table &cash = dm->tblCash;
        cash.Append();
        cash.FieldByName("ClientId").SetAsString(owner.isEmpty() ? clientId : owner);
        cash.FieldByName("RegisteredName").SetAsString(registeredName);
        cash.FieldByName("Balance").SetAsFloat(balance);
        cash.Post();
    }

    void filterCashOnStatement()
    {
        dm->tblCash.SetFilter(QStringLiteral("ClientId = \"%1\"").arg(clientId));
        dm->tblCash.SetFiltered(true);
        dm->tblCash.First();
    }

    Document layoutOf(std::initializer_list<ReportPage *> pages)
    {
        CompositeReport composite;
        composite.setAddReports([&](CompositeReport &c) {
            for (ReportPage *page : pages)
                c.addReport(page);
        });
        return composite.layout();
    }

    QString clientId;
};

TEST_F(ReportLayoutTest, APageStartsAtTheMarginsOfALetterSheet)
{
    ReportPage page("TqrTest");
    label(page.addBand(BandKind::Title, 40), "Heading", 10, 5);
    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.pageSize, QSizeF(816, 1056));
    EXPECT_EQ(doc.margins, QMarginsF(48, 48, 48, 48));
    EXPECT_EQ(page.printableSizePixels(), QSizeF(720, 960));
    const TextPrimitive *heading = doc.pages[0].findText("Heading");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->rect.topLeft(), QPointF(58, 53));
    EXPECT_EQ(doc.pages[0].report, "TqrTest");
}

TEST_F(ReportLayoutTest, ADetailBandThatDoesNotFitStartsASheetBeginningWithThePageHeader)
{
    for (int i = 0; i < 20; ++i)
        addCash(QStringLiteral("Owner %1").arg(i, 2, 10, QLatin1Char('0')), i);
    filterCashOnStatement();
    ReportPage page("TqrCash");
    page.setDataSet(&dm->tblCash);
    label(page.addBand(BandKind::PageHeader, 50), "Cash Accounts", 0, 0);
    Band &detail = page.addBand(BandKind::Detail, 100);
    detail.add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 10, 200, 0));

    const Document doc = layoutOf({&page});
    // 910 pixels below the header hold nine rows of 100.
    ASSERT_EQ(doc.pageCount(), 3);
    int row = 0;
    for (const DocumentPage &sheet : doc.pages) {
        const QStringList texts = textsOf(sheet);
        ASSERT_FALSE(texts.isEmpty());
        EXPECT_EQ(texts.first(), "Cash Accounts");
        for (int i = 1; i < texts.size(); ++i)
            EXPECT_EQ(texts[i], QStringLiteral("Owner %1").arg(row++, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(sheet.findText("Cash Accounts")->rect.top(), 48);
        EXPECT_EQ(sheet.texts()[1]->rect.top(), 48 + 50 + 10);
    }
    EXPECT_EQ(row, 20);
    EXPECT_EQ(textsOf(doc.pages[0]).size(), 10);
    EXPECT_EQ(textsOf(doc.pages[2]).size(), 3);
}

TEST_F(ReportLayoutTest, ABandFillingTheSheetExactlyStaysOnIt)
{
    ReportPage page("TqrFull");
    page.addBand(BandKind::PageHeader, 55);
    label(page.addBand(BandKind::Title, 905), "Body", 0, 0);
    EXPECT_EQ(layoutOf({&page}).pageCount(), 1);
}

TEST_F(ReportLayoutTest, ABandTallerThanASheetIsPlacedOnceInsteadOfLoopingOverSheets)
{
    ReportPage page("TqrHuge");
    page.addBand(BandKind::PageHeader, 100);
    label(page.addBand(BandKind::Title, 2000), "Huge", 0, 0);
    label(page.addBand(BandKind::Summary, 10), "After", 0, 0);
    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_NE(doc.pages[0].findText("Huge"), nullptr);
    EXPECT_NE(doc.pages[1].findText("After"), nullptr);
}

TEST_F(ReportLayoutTest, ASubDetailPrintsEveryRowOfItsTableInTableOrderWithoutMovingTheCursor)
{
    addCash("Carol", 30);
    addCash("Alice", 10);
    addCash("Bob", 20);
    addCash("Zed of another statement", 99, addClient("Other", "Statement"));
    filterCashOnStatement();
    dm->tblCash.Next();
    const QString standingOn = dm->tblCash.FieldByName("RegisteredName").AsString();

    ReportPage page("TqrSchedule");
    label(page.addBand(BandKind::Detail, 20), "Section", 0, 0);
    Band &rows = page.addBand(BandKind::SubDetail, 20);
    rows.setDataSet(&dm->tblCash);
    rows.add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 0, 100, 0));
    rows.add<DBText>(&dm->tblCash, "Balance", QRectF(100, 0, 100, 0));
    label(rows.addGroupHeader(30), "Accounts", 0, 0);
    label(rows.addGroupFooter(25), "Total", 0, 0);

    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(textsOf(doc.pages[0]),
              QStringList({"Section", "Accounts", "Alice", "10", "Bob", "20", "Carol", "30", "Total"}));
    EXPECT_EQ(doc.pages[0].findText("Alice")->rect.top(), 48 + 20 + 30);
    EXPECT_EQ(doc.pages[0].findText("Bob")->rect.top(), 48 + 20 + 30 + 20);
    EXPECT_EQ(doc.pages[0].findText("Total")->rect.top(), 48 + 20 + 30 + 60);
    EXPECT_EQ(dm->tblCash.FieldByName("RegisteredName").AsString(), standingOn);
}

TEST_F(ReportLayoutTest, AnEmptySubDetailPrintsNeitherRowsNorHeaderNorFooterUnlessAskedTo)
{
    filterCashOnStatement();
    ReportPage page("TqrSchedule");
    label(page.addBand(BandKind::Detail, 20), "Section", 0, 0);
    Band &rows = page.addBand(BandKind::SubDetail, 20);
    rows.setDataSet(&dm->tblCash);
    rows.add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 0, 100, 0));
    label(rows.addGroupHeader(30), "Accounts", 0, 0);
    label(rows.addGroupFooter(25), "Total", 0, 0);

    Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(textsOf(doc.pages[0]), QStringList({"Section"}));

    rows.setPrintIfEmpty(true);
    doc = layoutOf({&page});
    EXPECT_EQ(textsOf(doc.pages[0]), QStringList({"Section", "Accounts", "Total"}));
}

class LongScheduleTest : public ReportLayoutTest
{
protected:
    // A page header of 40, a detail of 25, then the schedule: header 45, rows of 20, footer 25.
    void build(int rowCount, bool repeatHeader = true)
    {
        for (int i = 0; i < rowCount; ++i)
            addCash(QStringLiteral("Row %1").arg(i, 3, 10, QLatin1Char('0')), i);
        filterCashOnStatement();
        label(page.addBand(BandKind::PageHeader, 40), "Financial Statement Details", 0, 0);
        label(page.addBand(BandKind::Detail, 25), "Section 2 - Assets", 0, 0);
        Band &rows = page.addBand(BandKind::SubDetail, 20);
        rows.setDataSet(&dm->tblCash);
        rows.setRepeatHeaderOnNewSheet(repeatHeader);
        rows.add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 0, 100, 0));
        label(rows.addGroupHeader(45), "Schedule A", 0, 0);
        label(rows.addGroupFooter(25), "Total", 0, 0);
    }

    ReportPage page{"TqrLong"};
};

TEST_F(LongScheduleTest, RunsOnToFurtherSheetsRepeatingThePageHeaderAndTheScheduleHeading)
{
    build(120);
    const Document doc = layoutOf({&page});
    // 960 - 40 - 25 - 45 = 850 holds 42 rows on the first sheet; later sheets 875 / 20 = 43.
    ASSERT_EQ(doc.pageCount(), 3);
    int rows = 0;
    for (int s = 0; s < doc.pageCount(); ++s) {
        const QStringList texts = textsOf(doc.pages[s]);
        EXPECT_EQ(texts.value(0), "Financial Statement Details");
        EXPECT_EQ(texts.contains("Section 2 - Assets"), s == 0);
        EXPECT_EQ(texts.value(s == 0 ? 2 : 1), "Schedule A") << s;
        rows += int(texts.filter(QStringLiteral("Row ")).size());
    }
    EXPECT_EQ(rows, 120);
    EXPECT_EQ(textsOf(doc.pages[0]).filter("Row ").size(), 42);
    EXPECT_EQ(textsOf(doc.pages[1]).filter("Row ").size(), 43);
    EXPECT_EQ(textsOf(doc.pages[2]).last(), "Total");
}

TEST_F(LongScheduleTest, WithoutRepeatingTheHeadingAContinuationSheetGoesOnWithTheRows)
{
    build(60, false);
    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(textsOf(doc.pages[1]).value(1), "Row 042");
    EXPECT_EQ(textsOf(doc.pages[1]).filter("Schedule A").size(), 0);
}

TEST_F(LongScheduleTest, TheHeadingIsNeverLeftAloneAtTheFootOfASheet)
{
    build(1);
    // A detail band that leaves room for the heading but not for the heading and a row.
    page.band(BandKind::Detail)->setHeight(960 - 40 - 50);
    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(textsOf(doc.pages[1]), QStringList({"Financial Statement Details", "Schedule A", "Row 000", "Total"}));
}

TEST_F(LongScheduleTest, TheFooterIsNeverLeftAloneOnASheetOfItsOwn)
{
    // 42 rows fill the first sheet exactly; the footer takes the last row with it.
    build(42);
    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(textsOf(doc.pages[0]).filter("Row ").size(), 41);
    EXPECT_EQ(textsOf(doc.pages[1]), QStringList({"Financial Statement Details", "Schedule A", "Row 041", "Total"}));
}

TEST_F(ReportLayoutTest, APageDataSetPrintsTheDetailOncePerRowAndMovesToItsFirstRow)
{
    addCash("Bob", 2);
    addCash("Alice", 1);
    filterCashOnStatement();
    dm->tblCash.Next();
    ReportPage page("TqrAccounts");
    page.setDataSet(&dm->tblCash);
    Band &title = page.addBand(BandKind::Title, 20);
    title.add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 0, 100, 0));
    Band &detail = page.addBand(BandKind::Detail, 20);
    detail.add<DBText>(&dm->tblCash, "Balance", QRectF(0, 0, 100, 0));
    label(page.addBand(BandKind::Summary, 20), "End", 0, 0);

    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(textsOf(doc.pages[0]), QStringList({"Alice", "1", "2", "End"}));
    EXPECT_EQ(dm->tblCash.FieldByName("RegisteredName").AsString(), "Alice");
}

TEST_F(ReportLayoutTest, AnEmptyPageDataSetPrintsThePageOnlyWhenPrintIfEmptyIsOn)
{
    filterCashOnStatement();
    ReportPage page("TqrAccounts");
    page.setDataSet(&dm->tblCash);
    label(page.addBand(BandKind::Title, 20), "Accounts", 0, 0);
    page.addBand(BandKind::Detail, 20).add<DBText>(&dm->tblCash, "Balance", QRectF(0, 0, 100, 0));

    Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(textsOf(doc.pages[0]), QStringList({"Accounts"}));

    page.options().printIfEmpty = false;
    EXPECT_EQ(layoutOf({&page}).pageCount(), 0);
}

TEST_F(ReportLayoutTest, BeforePrintRunsOncePerPageAndMaySetCaptionsHideItemsOrLeaveThePageOut)
{
    ReportPage page("TqrLegal");
    Band &title = page.addBand(BandKind::Title, 100);
    label(title, "X", 100, 0).setName("lblMark");
    label(title, "Executor:", 0, 20).setName("lblExplain");
    auto &rule = title.add<Shape>(Shape::Kind::HorizontalLine, QRectF(0, 40, 720, 0), 2);
    rule.setName("shpRule");
    int calls = 0;
    page.setBeforePrint([&](ReportPage &p, bool &) {
        ++calls;
        p.findItem<Label>("lblMark")->setCaption("Yes");
        p.item("lblExplain")->setEnabled(false);
        p.item("shpRule")->setEnabled(false);
    });
    Document doc = layoutOf({&page});
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(textsOf(doc.pages[0]), QStringList({"Yes"}));
    EXPECT_TRUE(doc.pages[0].primitives.size() == 1);

    page.setBeforePrint([](ReportPage &, bool &print) { print = false; });
    EXPECT_EQ(layoutOf({&page}).pageCount(), 0);
}

TEST_F(ReportLayoutTest, ACompositePrintsItsPagesInListOrderEachOnANewSheet)
{
    ReportPage first("TqrFirst"), second("TqrSecond"), third("TqrThird");
    label(first.addBand(BandKind::Title, 10), "one", 0, 0);
    label(second.addBand(BandKind::Title, 10), "two", 0, 0);
    label(third.addBand(BandKind::Title, 10), "three", 0, 0);
    const Document doc = layoutOf({&third, &first, &second});
    ASSERT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(doc.pages[0].report, "TqrThird");
    EXPECT_EQ(doc.pages[1].report, "TqrFirst");
    EXPECT_EQ(doc.pages[2].report, "TqrSecond");
    for (const DocumentPage &sheet : doc.pages)
        EXPECT_EQ(sheet.texts().front()->rect.top(), 48);
}

TEST_F(ReportLayoutTest, TheAddReportsEventFillsAFreshListEachTimeTheCompositeIsBuilt)
{
    ReportPage page("TqrOnly");
    label(page.addBand(BandKind::Title, 10), "only", 0, 0);
    CompositeReport composite;
    int calls = 0;
    composite.setAddReports([&](CompositeReport &c) {
        ++calls;
        c.addReport(&page);
    });
    EXPECT_EQ(composite.layout().pageCount(), 1);
    EXPECT_EQ(composite.layout().pageCount(), 1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(composite.reports().size(), 1u);
}

TEST_F(ReportLayoutTest, PageFootersPrintAtTheFootOfEverySheetAndOnTheLastOnlyWhenAsked)
{
    for (int i = 0; i < 12; ++i)
        addCash(QStringLiteral("Owner %1").arg(i), i);
    filterCashOnStatement();
    ReportPage page("TqrFooter");
    page.setDataSet(&dm->tblCash);
    label(page.addBand(BandKind::PageHeader, 60), "Header", 0, 0);
    page.addBand(BandKind::Detail, 100).add<DBText>(&dm->tblCash, "RegisteredName", QRectF(0, 0, 100, 0));
    label(page.addBand(BandKind::PageFooter, 100), "Footer", 0, 0);

    Document doc = layoutOf({&page});
    // 960 - 60 - 100 leaves eight rows a sheet.
    ASSERT_EQ(doc.pageCount(), 2);
    for (const DocumentPage &sheet : doc.pages)
        EXPECT_EQ(sheet.findText("Footer")->rect.top(), 48 + 860);

    page.options().lastPageFooter = false;
    page.options().firstPageHeader = false;
    doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pages[0].findText("Header"), nullptr);
    EXPECT_NE(doc.pages[0].findText("Footer"), nullptr);
    EXPECT_NE(doc.pages[1].findText("Header"), nullptr);
    EXPECT_EQ(doc.pages[1].findText("Footer"), nullptr);
}

TEST_F(ReportLayoutTest, FramesAndShapesBecomeBoxesAtTheirPlaces)
{
    ReportPage page("TqrShapes");
    Band &band = page.addBand(BandKind::Title, 55);
    band.frame() = FrameLines::all(2);
    band.add<Shape>(Shape::Kind::HorizontalLine, QRectF(0, 48, 720, 0), 2);
    band.add<Shape>(Shape::Kind::VerticalLine, QRectF(205, 20, 0, 23), 2);
    band.add<Shape>(Shape::Kind::Rectangle, QRectF(1, 10, 100, 30), 3);
    auto &bar = band.add<Shape>(Shape::Kind::FilledRectangle, QRectF(1, -2, 717, 22), 0);
    bar.setBrushColor(QColor(0xD3, 0xD3, 0xD3));
    const Document doc = layoutOf({&page});
    std::vector<BoxPrimitive> boxes;
    for (const Primitive &p : doc.pages[0].primitives)
        boxes.push_back(std::get<BoxPrimitive>(p));
    ASSERT_EQ(boxes.size(), 8u);
    EXPECT_EQ(boxes[0].rect, QRectF(48, 96, 720, 2));
    EXPECT_EQ(boxes[1].rect, QRectF(253, 68, 2, 23));
    EXPECT_EQ(boxes[2].rect, QRectF(49, 58, 100, 30));
    EXPECT_EQ(boxes[2].strokeWidth, 3);
    EXPECT_FALSE(boxes[2].fill.isValid());
    EXPECT_EQ(boxes[3].rect, QRectF(49, 46, 717, 22));
    EXPECT_EQ(boxes[3].fill, QColor(0xD3, 0xD3, 0xD3));
    // The frame: top, bottom, left, right, inside the band.
    EXPECT_EQ(boxes[4].rect, QRectF(48, 48, 720, 2));
    EXPECT_EQ(boxes[5].rect, QRectF(48, 101, 720, 2));
    EXPECT_EQ(boxes[6].rect, QRectF(48, 48, 2, 55));
    EXPECT_EQ(boxes[7].rect, QRectF(766, 48, 2, 55));
}

} // namespace

namespace {

const QString LongText = QString("A text far wider than the band it stands on, so that it has to wrap. ").repeated(12).trimmed();

const BoxPrimitive *boxAt(const DocumentPage &page, double left, double width)
{
    for (const Primitive &p : page.primitives)
        if (const auto *b = std::get_if<BoxPrimitive>(&p))
            if (b->rect.left() == left && b->rect.width() == width)
                return b;
    return nullptr;
}

} // namespace

TEST_F(ReportLayoutTest, AWrappedTextGrowsItsBandMovingWhatLiesBelowAndStretchingRulesAcrossIt)
{
    ReportPage page("TqrGrowing");
    Band &band = page.addBand(BandKind::Detail, 60);
    band.frame() = FrameLines::all(2);
    Label &text = band.add<Label>(LongText, QRectF(80, 10, 0, 0));
    text.setAutoSize(true);
    label(band, "Beside", 8, 10, 60);
    label(band, "Below", 8, 40);
    band.add<Shape>(Shape::Kind::HorizontalLine, QRectF(0, 30, 720, 0), 1);
    band.add<Shape>(Shape::Kind::VerticalLine, QRectF(70, 0, 0, 60), 1);
    label(page.addBand(BandKind::Summary, 20), "Next band", 0, 0);

    const Document doc = layoutOf({&page});
    ASSERT_EQ(doc.pageCount(), 1);
    const DocumentPage &sheet = doc.pages[0];
    std::vector<const TextPrimitive *> lines;
    for (const TextPrimitive *t : sheet.texts())
        if (t->rect.left() == 48 + 80)
            lines.push_back(t);
    ASSERT_GE(lines.size(), 3u);
    QStringList joined;
    for (const TextPrimitive *line : lines) {
        joined << line->text;
        EXPECT_LE(line->rect.left() + TextMetrics::width(line->text, line->font), 48 + 718.25);
    }
    EXPECT_EQ(joined.join(' '), LongText);
    const double grew = lines.back()->rect.bottom() - (48 + 10 + TextMetrics::lineHeight(text.font()));
    ASSERT_GT(grew, 10);

    // Beside the text nothing moves; below it everything moves by what it grew.
    EXPECT_EQ(sheet.findText("Beside")->rect.top(), 48 + 10);
    EXPECT_NEAR(sheet.findText("Below")->rect.top(), 48 + 40 + grew, 1e-6);
    std::vector<QRectF> across;
    for (const Primitive &p : sheet.primitives)
        if (const auto *b = std::get_if<BoxPrimitive>(&p))
            if (b->rect.width() == 720)
                across.push_back(b->rect);
    ASSERT_EQ(across.size(), 3u); // the rule, the frame's top and its bottom
    EXPECT_NEAR(across[0].top(), 48 + 30 + grew, 1e-6);
    EXPECT_EQ(across[1].top(), 48);
    EXPECT_NEAR(across[2].bottom(), 48 + 60 + grew, 1e-6);
    // The vertical rule and the frame's sides reach the band's new bottom.
    EXPECT_NEAR(boxAt(sheet, 48 + 70, 1)->rect.bottom(), 48 + 60 + grew, 1e-6);
    EXPECT_NEAR(boxAt(sheet, 48, 2)->rect.height(), 60 + grew, 1e-6);
    EXPECT_NEAR(sheet.findText("Next band")->rect.top(), 48 + 60 + grew, 1e-6);
}

TEST_F(ReportLayoutTest, ABandThatGrowsPastTheSheetMovesWholeToTheNextOrIsCutBetweenLines)
{
    // Grown past the rest of the sheet: the band goes whole onto the next sheet.
    ReportPage moving("TqrMoving");
    moving.addBand(BandKind::PageHeader, 40);
    label(moving.addBand(BandKind::Title, 880), "Filler", 0, 0);
    Band &grows = moving.addBand(BandKind::Summary, 30);
    Label &text = grows.add<Label>(LongText, QRectF(80, 5, 0, 0));
    text.setAutoSize(true);
    Document doc = layoutOf({&moving});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pages[0].texts().size(), 1u);
    EXPECT_EQ(doc.pages[1].texts().front()->rect.top(), 48 + 40 + 5);

    // Taller than a sheet once grown: cut between its lines, each line whole on one sheet,
    // the next sheet beginning with the page header.
    ReportPage tall("TqrTall");
    label(tall.addBand(BandKind::PageHeader, 40), "Header", 0, 0);
    Band &body = tall.addBand(BandKind::Title, 920);
    body.frame() = FrameLines::all(2);
    label(body, "Top", 8, 4);
    Label &explanation = body.add<Label>(LongText, QRectF(80, 880, 0, 0));
    explanation.setAutoSize(true);
    label(body, "Signature", 8, 900);
    doc = layoutOf({&tall});
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pages[1].texts().front()->text, "Header");
    QStringList joined;
    for (const DocumentPage &sheet : doc.pages)
        for (const TextPrimitive *t : sheet.texts()) {
            EXPECT_LE(t->rect.bottom(), 48 + 960 + 0.01) << t->text.toStdString();
            if (t->rect.left() == 48 + 80)
                joined << t->text;
        }
    EXPECT_EQ(joined.join(' '), LongText);
    EXPECT_NE(doc.pages[1].findText("Signature"), nullptr);
}

TEST_F(ReportLayoutTest, AGrownBandEndsEvenWhenThePageHeaderLeavesNoRoomOnASheet)
{
    ReportPage page("TqrCrowded");
    label(page.addBand(BandKind::PageHeader, 960), "Header", 0, 0);
    Label &text = page.addBand(BandKind::Title, 20).add<Label>(LongText, QRectF(80, 0, 0, 0));
    text.setAutoSize(true);
    const Document doc = layoutOf({&page});
    ASSERT_GE(doc.pageCount(), 1);
    ASSERT_LE(doc.pageCount(), 3);
    QStringList joined;
    for (const DocumentPage &sheet : doc.pages)
        for (const TextPrimitive *t : sheet.texts())
            if (t->text != "Header")
                joined << t->text;
    EXPECT_EQ(joined.join(' '), LongText);
}
