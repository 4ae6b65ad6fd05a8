// What a lender reads on the printed statement: every amount whole and as money, every text
// whole inside its room, and every sheet naming the holder, the date and its page.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/entry_lists.h"
#include "data/legal_questions.h"
#include "print/engine/composite_report.h"
#include "print/engine/db_text.h"
#include "print/engine/money.h"
#include "print/engine/pdf_export.h"
#include "print/engine/text_metrics.h"
#include "support/pdf_reader.h"
#include "support/print/statement_fixture.h"

using namespace Report;

namespace {

constexpr double Left = 48;
constexpr double FrameRight = 48 + 720;
// Columns keep at least this much between them.
constexpr double ColumnGap = 3;

// The horizontal extent of a text's glyphs.
std::pair<double, double> ink(const TextPrimitive &t)
{
    const double width = TextMetrics::width(t.text, t.font);
    if (t.alignment & Qt::AlignRight)
        return {t.rect.right() - width, t.rect.right()};
    if (t.alignment & Qt::AlignHCenter)
        return {t.rect.center().x() - width / 2, t.rect.center().x() + width / 2};
    return {t.rect.left(), t.rect.left() + width};
}

// Texts of a sheet whose glyphs stand closer than the column gap to `t` on the same line.
QStringList crowding(const DocumentPage &sheet, const TextPrimitive &t)
{
    QStringList found;
    const auto [left, right] = ink(t);
    for (const TextPrimitive *u : sheet.texts()) {
        if (u == &t || u->rect.top() >= t.rect.bottom() - 1 || t.rect.top() >= u->rect.bottom() - 1)
            continue;
        const auto [uLeft, uRight] = ink(*u);
        if (uLeft < right + ColumnGap && left < uRight + ColumnGap)
            found << u->text;
    }
    return found;
}

class PrintedStatementTest : public StatementTest
{
protected:
    Document runOf(PrintRun run)
    {
        m_pages = createRunPages(run, *dm);
        CompositeReport composite;
        prepareComposite(composite, run, *dm, m_pages);
        return composite.layout();
    }

    // The amount items of the run just laid out, with the right edges they keep.
    std::vector<double> amountEdges() const
    {
        std::vector<double> edges;
        const auto collect = [&](const Band *band) {
            if (band)
                for (const auto &item : band->items())
                    if (const auto *text = dynamic_cast<const DBText *>(item.get()); text && text->isAmount())
                        edges.push_back(Left + text->geometry().right());
        };
        for (const auto &page : m_pages)
            for (const auto &band : page->bands()) {
                collect(band.get());
                collect(band->groupHeader());
                collect(band->groupFooter());
            }
        return edges;
    }

    // Every float and currency field of the totals row and of one row in each schedule's
    // table holds `amount`; the shares of real estate are 50 %.
    void fillEveryAmount(const QString &amount)
    {
        std::map<QString, QString> totals;
        Table &fspro = dm->tblFSPro;
        for (int i = 0; i < fspro.FieldCount(); ++i)
            if (fspro.column(i).kind != FieldKind::Text)
                totals[fspro.column(i).name] = amount;
        set(fspro, totals);
        for (Table *table : {&dm->tblCash, &dm->tblRealEstate, &dm->tblInvestments, &dm->tblAuto,
                             &dm->tblLifeInsurance, &dm->tblPersonalAssets, &dm->tblBusinessAssets,
                             &dm->tblOtherAssets, &dm->tblBank, &dm->tblCreditCards, &dm->tblAuto2, &dm->tblTaxes,
                             &dm->tblOther, &dm->tblContingent, &dm->tblIncomes, &dm->tblExpenditure}) {
            std::map<QString, QString> row;
            for (int i = 0; i < table->FieldCount(); ++i)
                if (table->column(i).kind != FieldKind::Text)
                    row[table->column(i).name] = table->column(i).name.startsWith("Percent") ? "50" : amount;
            if (table->FindField("Description"))
                row["Description"] = "Item";
            addRow(*table, row);
        }
        select();
    }

    static QString pdfOf(const Document &document, const QTemporaryDir &dir, const QString &name)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(PdfExport::write(document, path));
        return path;
    }

    RunPages m_pages;
};

TEST_F(PrintedStatementTest, EveryAmountOfEveryPagePrintsWholeAtItsRightEdgeClearOfItsNeighbours)
{
    QTemporaryDir dir;
    for (const char *stored : {"12345678.91", "-12345678.91", "1234567890.12", "-1234567890.12", "999999999999.99",
                               "-999999999999.99"}) {
        for (const bool joint : {false, true}) {
            SCOPED_TRACE(std::string(stored) + (joint ? " joint" : " personal"));
            addFilledStatement(joint);
            fillEveryAmount(stored);
            const Document doc = runOf(joint ? PrintRun::Joint : PrintRun::Personal);
            const std::vector<double> edges = amountEdges();
            const QString printed = printedAmount(stored);
            int found = 0;
            for (const DocumentPage &sheet : doc.pages)
                for (const TextPrimitive *t : sheet.texts()) {
                    // The schedule of real estate owned prints figures it forms from these
                    // amounts (shares, sums, differences): each whole, clear of the others.
                    if (sheet.report == QLatin1String("TqrRealEstateOwned")) {
                        EXPECT_GE(t->font.pointSize, 6) << t->text.toStdString();
                        EXPECT_GE(ink(*t).first, Left) << t->text.toStdString();
                        EXPECT_LE(ink(*t).second, FrameRight) << t->text.toStdString();
                        EXPECT_EQ(crowding(sheet, *t), QStringList()) << t->text.toStdString();
                        continue;
                    }
                    if (t->text != printed)
                        continue;
                    ++found;
                    EXPECT_GE(t->font.pointSize, 6);
                    EXPECT_TRUE(std::any_of(edges.begin(), edges.end(), [&](double e) { return std::abs(e - t->rect.right()) < 0.01; }))
                        << t->rect.right();
                    EXPECT_GE(ink(*t).first, Left);
                    EXPECT_LE(ink(*t).second, FrameRight);
                    EXPECT_EQ(crowding(sheet, *t), QStringList()) << sheet.report.toStdString() << " at " << t->rect.left();
                }
            EXPECT_EQ(found, int(edges.size()));

            // The reader of the PDF finds each amount once per item, whole.
            if (std::string(stored) == "-999999999999.99") {
                int words = 0;
                for (const PdfWord &word : pdfWords(pdfOf(doc, dir, joint ? "joint.pdf" : "personal.pdf")))
                    words += word.text == printed && doc.pages[size_t(word.page - 1)].report != QLatin1String("TqrRealEstateOwned");
                EXPECT_EQ(words, int(edges.size()));
            }
        }
    }
}

TEST_F(PrintedStatementTest, EveryAmountOfAFilledJointStatementPrintsAsMoney)
{
    addFilledStatement(true);
    addDetailRows();
    set(dm->tblFSPro, {{"MIncomeTotal", "28801.2666666667"}, {"NetWorth", "-50450"}, {"BusinessAssets", "0"}});
    const Document doc = runOf(PrintRun::Joint);
    QStringList texts;
    for (const DocumentPage &sheet : doc.pages)
        texts << textsOf(sheet);
    for (const char *money : {"28,801.27", "-50,450.00", "0.00", "96,000.00", "8,000.00", "283.38", "2,100.40"})
        EXPECT_TRUE(texts.contains(money)) << money;
    // No raw floating-point text, no amount without its separators, no currency sign.
    static const QRegularExpression raw(QStringLiteral(R"(^-?\d+\.(\d|\d{3,})$|^-?\d{5,}$|^\$)"));
    for (const QString &text : texts) {
        const bool particular = std::any_of(holderValues().begin(), holderValues().end(), [&](const auto &v) { return v.second == text; })
                                || std::any_of(spouseValues().begin(), spouseValues().end(), [&](const auto &v) { return v.second == text; });
        if (!particular) // zip codes are numbers but not amounts
            EXPECT_FALSE(raw.match(text).hasMatch()) << text.toStdString();
    }
    // The stored values stay as they were.
    EXPECT_EQ(dm->tblFSPro.FieldByName("MIncomeTotal").AsString(), "28801.2666666667");
}

TEST_F(PrintedStatementTest, ALongLegalExplanationPrintsWholeInsideTheFrameAndPushesTheRestDown)
{
    const QString explanation =
        QString("The divorce proceedings were filed in Cook County in March; the settlement conference is set for the "
                "autumn and the division of the marital home, the two retirement accounts and the business interest "
                "in Smith Consulting LLC is still open. Counsel expects a final decree within twelve months of filing, "
                "with no support obligation at all.");
    ASSERT_GE(explanation.size(), 330);
    QTemporaryDir dir;
    for (const bool joint : {false, true}) {
        SCOPED_TRACE(joint ? "joint" : "personal");
        addFilledStatement(joint);
        addRow(dm->tblLegal, {{"Divorce", "Yes"}, {"DivorceExplanation", explanation}});
        select();
        const Document doc = runOf(joint ? PrintRun::Joint : PrintRun::Personal);
        const DocumentPage &sheet = doc.pages[1];
        QStringList lines;
        double lastBottom = 0;
        for (const TextPrimitive *t : sheet.texts())
            if (t->rect.left() == Left + 80 && explanation.contains(t->text) && t->text.size() > 20) {
                lines << t->text;
                EXPECT_LE(ink(*t).second, FrameRight - 2 + 0.25);
                lastBottom = t->rect.bottom();
            }
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines.join(' '), explanation);
        // The blank foot of the Section 4 sheet makes room: it stays one sheet.
        EXPECT_EQ(doc.pages[2].report, "TqrCont_Joint_Details");
        const TextPrimitive *next = sheet.findText(legalQuestions()[2].text);
        ASSERT_NE(next, nullptr);
        EXPECT_GE(next->rect.top(), lastBottom);
        // Whatever grew, nothing runs past the bottom of the sheet's body.
        for (const DocumentPage &page : doc.pages)
            for (const TextPrimitive *t : page.texts())
                if (!t->text.startsWith("Page ") && !t->text.startsWith("Statement date") && t->rect.top() < 1000)
                    EXPECT_LE(t->rect.bottom(), Left + 960 + 0.01) << t->text.toStdString();

        // The PDF holds the explanation once, whole.
        QStringList words;
        for (const PdfWord &word : pdfWords(pdfOf(doc, dir, joint ? "joint.pdf" : "personal.pdf")))
            words << word.text;
        const QString all = words.join(' ');
        EXPECT_EQ(all.count(explanation), 1);
    }
}

TEST_F(PrintedStatementTest, TheLongestEntryOfEveryListPrintsWholeInItsColumn)
{
    addFilledStatement(true);
    ReportFont eight;
    eight.pointSize = 8;
    const auto longest = [&](const QStringList &entries) {
        return *std::max_element(entries.begin(), entries.end(), [&](const QString &a, const QString &b) {
            return TextMetrics::width(a, eight) < TextMetrics::width(b, eight);
        });
    };
    const QString cash = longest(EntryLists::cashTypes()), exchange = longest(EntryLists::exchanges()),
                  estate = longest(EntryLists::realEstateTypes()), other = longest(EntryLists::otherAssetTypes()),
                  contingent = longest(EntryLists::contingentTypes()), income = longest(EntryLists::incomeTypes()),
                  expense = longest(EntryLists::expenseTypes()), pledged = longest(EntryLists::noYes());
    const QString name = "Vanguard Total Stock Market Index Fund Admiral Shares";
    addRow(dm->tblCash, {{"Type", cash}, {"RegisteredName", "John and Mary Smith"}, {"Bank", "First Prairie Bank"},
                         {"Balance", "100"}});
    addRow(dm->tblRealEstate, {{"Type", estate}, {"Description", "1420 Maple Avenue"}, {"MarketValue", "100"}});
    addRow(dm->tblInvestments, {{"Exchange", exchange}, {"Description", name}, {"Pledged", pledged},
                                {"RegisteredName", "John and Mary Smith"}, {"MarketValue", "100"}});
    addRow(dm->tblLifeInsurance, {{"Company", "Northwestern Mutual Life"}, {"Insured", "Featherstonehaugh-Worthington-Montgomery"},
                                  {"Beneficiary", "Mary A. Smith and children"}, {"Pledged", pledged},
                                  {"PledgedTo", "First Prairie Bank"}, {"FaceValue", "250000"}, {"CashValue", "9100"}});
    addRow(dm->tblOtherAssets, {{"Type", other}, {"Description", "Loan to a brother"}, {"Value", "5000"}});
    addRow(dm->tblContingent, {{"Description", contingent}, {"ToWhom", "Smith Consulting LLC"}, {"Amount", "25000"}});
    addRow(dm->tblIncomes, {{"Type", income}, {"Description", "Salary"}, {"Amount", "96000"}});
    addRow(dm->tblExpenditure, {{"Type", expense}, {"Description", "Car loans"}, {"Amount", "9000"}});
    select();
    const Document doc = runOf(PrintRun::Joint);

    for (const QString &entry : {cash, exchange, estate, other, contingent, income, expense, pledged, name}) {
        SCOPED_TRACE(entry.toStdString());
        // Whole on one line, or on consecutive lines that read it whole.
        bool whole = false;
        for (const DocumentPage &sheet : doc.pages) {
            const std::vector<const TextPrimitive *> texts = sheet.texts();
            for (size_t i = 0; i < texts.size() && !whole; ++i) {
                QString read = texts[i]->text;
                for (size_t j = i + 1; j < texts.size() && read.size() < entry.size() && texts[j]->rect.left() == texts[i]->rect.left(); ++j)
                    read += u' ' + texts[j]->text;
                whole = read == entry;
            }
        }
        EXPECT_TRUE(whole);
    }
    // On every schedule sheet, no two texts of a row run into one another.
    for (size_t s = 2; s < doc.pages.size(); ++s)
        for (const TextPrimitive *t : doc.pages[s].texts())
            if (t->font.pointSize <= 8 && !t->font.bold)
                EXPECT_EQ(crowding(doc.pages[s], *t), QStringList()) << t->text.toStdString();
}

TEST_F(PrintedStatementTest, TheFieldBoxesOfEveryScheduleRowKeepThreePixelsApart)
{
    addFilledStatement(true);
    runOf(PrintRun::Joint);
    int rows = 0;
    for (const auto &page : m_pages)
        for (const Band *band : page->subDetails()) {
            ++rows;
            std::map<double, std::vector<QRectF>> lines; // fixed-width fields by their top
            for (const auto &item : band->items())
                if (const auto *field = dynamic_cast<const DBText *>(item.get()); field && !field->autoSize())
                    lines[field->geometry().top()].push_back(field->geometry());
            for (auto &[top, boxes] : lines) {
                std::sort(boxes.begin(), boxes.end(), [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
                for (size_t i = 1; i < boxes.size(); ++i)
                    EXPECT_GE(boxes[i].left() - boxes[i - 1].right(), ColumnGap)
                        << page->name().toStdString() << " at " << boxes[i].left();
            }
        }
    EXPECT_EQ(rows, 17); // the real-estate table serves two schedules
}

TEST_F(PrintedStatementTest, ThePageHeadingFitsItsBoxOnEveryScheduleSheetAndTheBlankForm)
{
    addFilledStatement(false);
    addDetailRows();
    int headings = 0;
    for (const PrintRun run : {PrintRun::Personal, PrintRun::Blank})
        for (const DocumentPage &sheet : runOf(run).pages)
            for (const TextPrimitive *t : sheet.texts())
                if (t->text == "Financial Statement Details") {
                    ++headings;
                    EXPECT_EQ(t->rect.width(), 274);
                    EXPECT_LE(TextMetrics::width(t->text, t->font), 274.25) << sheet.report.toStdString();
                    EXPECT_GE(t->font.pointSize, 15);
                    EXPECT_TRUE(t->font.bold);
                }
    EXPECT_EQ(headings, 3 + 9);
}

TEST_F(PrintedStatementTest, EverySheetNamesTheHoldersTheStatementDateAndItsPageInTheBottomMargin)
{
    addFilledStatement(true);
    addDetailRows();
    const Document doc = runOf(PrintRun::Joint);
    const int count = doc.pageCount();
    ASSERT_GE(count, 5);
    // Without the footer every sheet is what it was: the footer only adds to the margin.
    CompositeReport bare;
    bare.setAddReports([this](CompositeReport &c) {
        for (const auto &page : m_pages)
            c.addReport(page.get());
    });
    const Document without = bare.layout();
    ASSERT_EQ(without.pageCount(), count);
    for (int i = 0; i < count; ++i) {
        const DocumentPage &sheet = doc.pages[size_t(i)];
        const auto page = sheet.findText(QStringLiteral("Page %1 of %2").arg(i + 1).arg(count));
        const auto holder = sheet.findText("John Q. Smith and Mary A. Smith");
        const auto date = sheet.findText("Statement date: 03/15/2024");
        ASSERT_TRUE(page && holder && date) << i;
        for (const TextPrimitive *t : {page, holder, date}) {
            EXPECT_GE(t->rect.top(), Left + 960);
            EXPECT_LE(t->rect.bottom(), 11 * 96 - 12); // clear of the paper's unprintable edge
        }
        EXPECT_LE(TextMetrics::width(page->text, page->font), page->rect.width());
        EXPECT_NEAR(page->rect.right(), FrameRight, 0.01);
        const DocumentPage &before = without.pages[size_t(i)];
        ASSERT_EQ(sheet.primitives.size(), before.primitives.size() + 3);
        EXPECT_TRUE(std::equal(before.primitives.begin(), before.primitives.end(), sheet.primitives.begin()));
    }

    // A personal run names the holder alone; the blank form numbers its eleven sheets only.
    addFilledStatement(false);
    const Document personal = runOf(PrintRun::Personal);
    EXPECT_NE(personal.pages[0].findText("John Q. Smith"), nullptr);
    const Document blank = runOf(PrintRun::Blank);
    ASSERT_EQ(blank.pageCount(), 11);
    for (int i = 0; i < 11; ++i) {
        QStringList inMargin;
        for (const TextPrimitive *t : blank.pages[size_t(i)].texts())
            if (t->rect.top() >= Left + 960)
                inMargin << t->text;
        EXPECT_EQ(inMargin, QStringList{QStringLiteral("Page %1 of 11").arg(i + 1)});
    }

    // A reader of the PDF finds them on the sheet they belong to.
    QTemporaryDir dir;
    const std::vector<PdfWord> words = pdfWords(pdfOf(doc, dir, "joint.pdf"));
    const std::optional<PdfPhrase> third = findPhrase(words, 3, QStringLiteral("Page 3 of %1").arg(count), {0, 0});
    ASSERT_TRUE(third);
    EXPECT_GT(third->box.top(), Left + 960 - 2);
}

} // namespace
