// The summary sheet written as PDF and read back as a reader of the file sees it.
#include <algorithm>
#include <set>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/engine/db_text.h"
#include "print/engine/pdf_export.h"
#include "print/engine/text_metrics.h"
#include "print/pages/tqr_cont_joint.h"
#include "print/pages/tqr_cont_single.h"
#include "print/run_pages.h"
#include "support/pdf_reader.h"
#include "support/print/statement_fixture.h"
#include "version.h"

using namespace Report;

namespace {

class PdfOutputTest : public StatementTest
{
protected:
    // Lays the pages out and writes them; the PDF is kept in WORTHSHEET_TEST_OUTPUT when set.
    template <class Page>
    Document write(const QString &name)
    {
        RunPages pages;
        pages.push_back(std::make_unique<Page>(*dm));
        return write(name, pages);
    }
    Document write(const QString &name, const RunPages &pages)
    {
        CompositeReport composite;
        composite.setTitle("Financial Statement");
        composite.setAddReports([&](CompositeReport &c) {
            for (const auto &page : pages)
                c.addReport(page.get());
        });
        path = dir.filePath(name);
        QString error;
        EXPECT_TRUE(composite.writePdf(path, &error)) << error.toStdString();
        const QString keep = qEnvironmentVariable("WORTHSHEET_TEST_OUTPUT");
        if (!keep.isEmpty()) {
            QDir().mkpath(keep);
            QFile::remove(QDir(keep).filePath(name));
            QFile::copy(path, QDir(keep).filePath(name));
        }
        return composite.layout();
    }

    // Every laid-out text is found in the PDF within two pixels of its place: its edges as
    // its alignment and width put them, and its top.
    void expectTextsInPlace(const Document &doc)
    {
        const std::vector<PdfWord> words = pdfWords(path);
        ASSERT_FALSE(words.empty());
        int checked = 0;
        for (int p = 0; p < doc.pageCount(); ++p)
            for (const TextPrimitive *t : doc.pages[size_t(p)].texts()) {
                if (t->text.trimmed().isEmpty())
                    continue;
                const double width = TextMetrics::width(t->text.trimmed(), t->font);
                const double left = t->alignment & Qt::AlignRight     ? t->rect.right() - width
                                    : t->alignment & Qt::AlignHCenter ? t->rect.center().x() - width / 2
                                                                      : t->rect.left();
                const std::optional<PdfPhrase> found = findPhrase(words, p + 1, t->text, {left, t->rect.top()});
                ASSERT_TRUE(found) << t->text.toStdString();
                if (found->leftExact)
                    EXPECT_NEAR(found->box.left(), left, 2) << t->text.toStdString();
                if (found->rightExact)
                    EXPECT_NEAR(found->box.right(), left + width, 2) << t->text.toStdString();
                EXPECT_TRUE(found->leftExact || found->rightExact) << t->text.toStdString();
                EXPECT_NEAR(found->box.top(), t->rect.top(), 2) << t->text.toStdString();
                ++checked;
            }
        EXPECT_GT(checked, 100);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(PdfOutputTest, APersonalSummaryReadsBackWithItsTextsInPlace)
{
    addFilledStatement(false);
    const Document doc = write<TqrCont_Single>("personal-summary.pdf");
    expectTextsInPlace(doc);
}

TEST_F(PdfOutputTest, AJointSummaryReadsBackWithItsTextsInPlace)
{
    addFilledStatement(true);
    const Document doc = write<TqrCont_Joint>("joint-summary.pdf");
    expectTextsInPlace(doc);
}

TEST_F(PdfOutputTest, AFullJointStatementReadsBackSheetBySheetInPrintingOrder)
{
    addFilledStatement(true);
    addDetailRows();
    const Document doc = write("joint-statement.pdf", createRunPages(PrintRun::Joint, *dm));
    // The detail rows hold a property: its schedule follows the liability schedules.
    EXPECT_EQ(pdfInfo(path).value("Pages"), "6");
    const std::vector<PdfWord> words = pdfWords(path);
    const char *const firstTexts[] = {"Spouse Information",      "Contacts (Spouse)",
                                      "Section 2 - Assets",      "Section 2 - Liabilities",
                                      "Schedule of Real Estate Owned", "Section 3 - Annual Income and Expenditures"};
    for (int page = 1; page <= 6; ++page)
        EXPECT_TRUE(findPhrase(words, page, firstTexts[page - 1], {0, 0})) << page;
    // Sample values where the layout puts them: the spouse's name, an executor, a cash row.
    const std::optional<PdfPhrase> spouse = findPhrase(words, 1, "Mary A. Smith", {0, 0});
    ASSERT_TRUE(spouse);
    EXPECT_NEAR(spouse->box.left(), 48 + 38, 2);
    EXPECT_NEAR(spouse->box.top(), 48 + 55 + 170, 2);
    const std::optional<PdfPhrase> executor = findPhrase(words, 2, "Harold Beck", {0, 0});
    ASSERT_TRUE(executor);
    EXPECT_NEAR(executor->box.left(), 48 + 80, 2);
    EXPECT_NEAR(executor->box.top(), 48 + 35 + 20, 2);
    const std::optional<PdfPhrase> balance = findPhrase(words, 3, "8,200.00", {0, 0});
    ASSERT_TRUE(balance);
    EXPECT_NEAR(balance->box.right(), 48 + 592 + 121, 2);
    expectTextsInPlace(doc);
}

// Particulars too long for their boxes even in six point, as long names, titles and
// addresses are.
const std::map<QString, QString> LongPosition = {{"Position", "Senior Vice President of Global Strategy and Operations"}};
const std::map<QString, QString> LongJointParticulars = {
    {"FullName2", "Maximilian Alexander Bartholomew Worthington-Smythe III"},
    {"Address", "Apartment 2207, Building C, 1420 North Lake Shore Drive Extension, Rear Entrance"},
    {"City", "Rancho Santa Margarita Heights"},
    {"Employer", "Consolidated Midwestern Agricultural Equipment Manufacturing and Distribution Company"},
    {"Position", "Senior Vice President of Global Strategy and Operations"},
    {"EAddress", "Suite 4400, Willis Tower, 233 South Wacker Drive, Loop District"},
    {"SFullName2", "Dr. Evangeline Josephine Marguerite Worthington-Smythe"},
    {"SAddress", "Apartment 2207, Building C, 1420 North Lake Shore Drive Extension, Rear Entrance"},
    {"SCity", "Rancho Santa Margarita Heights"},
    {"SEmployer", "University of Illinois College of Medicine at Peoria, Department of Internal Medicine"},
    {"SPosition", "Associate Professor of Clinical Medicine and Residency Program Director"},
    {"SEAddress", "One Illini Drive, Room 2207, University of Illinois Medical Campus"},
};

TEST_F(PdfOutputTest, LongParticularsWrapInsideTheirRowsAndTheSummaryKeepsEveryOtherTextOnItsOneSheet)
{
    struct Case
    {
        const char *name;
        bool joint;
        const std::map<QString, QString> &values;
    };
    for (const Case &c : {Case{"personal", false, LongPosition}, Case{"joint", true, LongJointParticulars}}) {
        SCOPED_TRACE(c.name);
        addFilledStatement(c.joint);
        const auto summary = [&]() -> std::unique_ptr<ReportPage> {
            if (c.joint)
                return std::make_unique<TqrCont_Joint>(*dm);
            return std::make_unique<TqrCont_Single>(*dm);
        };
        const Document shortTexts = layOut(summary());
        ASSERT_EQ(shortTexts.pageCount(), 1);
        set(dm->tblClient, c.values);
        RunPages pages;
        pages.push_back(summary());
        const Document longTexts = write(QString("%1-long-particulars.pdf").arg(c.name), pages);
        ASSERT_EQ(longTexts.pageCount(), 1);
        EXPECT_EQ(pdfInfo(path).value("Pages"), "1");

        // Every other caption and amount, every rule and bar, where it stood with short texts.
        const DocumentPage &before = shortTexts.pages[0];
        const DocumentPage &after = longTexts.pages[0];
        std::set<QString> replaced;
        for (const auto &[field, value] : c.values)
            replaced.insert((c.joint && field.startsWith('S') ? spouseValues() : holderValues()).at(field));
        int kept = 0;
        for (const TextPrimitive *t : before.texts()) {
            if (replaced.count(t->text))
                continue;
            const TextPrimitive *same = nullptr;
            for (const TextPrimitive *u : after.texts())
                if (u->text == t->text && u->rect == t->rect && u->font == t->font)
                    same = u;
            EXPECT_NE(same, nullptr) << t->text.toStdString() << " at " << t->rect.left() << ", " << t->rect.top();
            ++kept;
        }
        EXPECT_GT(kept, 100);
        const auto boxes = [](const DocumentPage &page) {
            std::vector<QRectF> found;
            for (const Primitive &p : page.primitives)
                if (const auto *b = std::get_if<BoxPrimitive>(&p))
                    found.push_back(b->rect);
            return found;
        };
        EXPECT_EQ(boxes(after), boxes(before));

        // Each long particular reads back whole inside its cell: within its box, between the
        // rules of its row.
        const std::vector<PdfWord> words = pdfWords(path);
        int wrapped = 0;
        for (const auto &item : pages[0]->band(BandKind::Title)->items()) {
            const auto *text = dynamic_cast<const DBText *>(item.get());
            if (!text || !c.values.count(text->dataField()))
                continue;
            const QString value = c.values.at(text->dataField());
            SCOPED_TRACE(text->dataField().toStdString());
            ASSERT_TRUE(text->row());
            const QRectF cell(48 + text->geometry().left(), 48 + 55 + text->row()->top, text->geometry().width(),
                              text->row()->height);
            // Read line by line, top to bottom and left to right.
            std::vector<const PdfWord *> inside;
            for (const PdfWord &w : words)
                if (cell.adjusted(-1, -1, 1, 1).contains(w.box))
                    inside.push_back(&w);
            std::sort(inside.begin(), inside.end(), [](const PdfWord *a, const PdfWord *b) {
                if (std::abs(a->box.top() - b->box.top()) > 1)
                    return a->box.top() < b->box.top();
                return a->box.left() < b->box.left();
            });
            QStringList read;
            for (const PdfWord *w : inside)
                read << w->text;
            EXPECT_EQ(read.join(' '), value);
            int lines = 0;
            for (const TextPrimitive *t : after.texts())
                lines += cell.contains(t->rect.center()) ? 1 : 0;
            if (TextMetrics::width(value, {QStringLiteral("Arial"), TextItem::MinimumPointSize}) > cell.width()) {
                EXPECT_GE(lines, 2);
                ++wrapped;
            }
        }
        EXPECT_GE(wrapped, int(c.values.size()) / 2);
    }
}

TEST_F(PdfOutputTest, ThePdfIsLetterSizedWithItsTitleTheProgramAsCreatorAndEmbeddedArial)
{
    addFilledStatement(false);
    write<TqrCont_Single>("summary.pdf");
    const QMap<QString, QString> info = pdfInfo(path);
    EXPECT_EQ(info.value("Title"), "Financial Statement");
    EXPECT_EQ(info.value("Creator"), QStringLiteral("Worthsheet %1").arg(WORTHSHEET_VERSION));
    EXPECT_EQ(info.value("Pages"), "1");
    EXPECT_TRUE(info.value("Page size").startsWith("612 x 792 pts")) << info.value("Page size").toStdString();

    const std::vector<PdfFont> fonts = pdfFonts(path);
    ASSERT_FALSE(fonts.empty());
    bool regular = false, boldFace = false;
    for (const PdfFont &font : fonts) {
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
        EXPECT_TRUE(font.name.contains("LiberationSans") || font.name.contains("Arial")) << font.name.toStdString();
        regular = regular || font.name.endsWith("LiberationSans") || font.name.endsWith("ArialMT");
        boldFace = boldFace || font.name.contains("Bold");
    }
    EXPECT_TRUE(regular);
    EXPECT_TRUE(boldFace);
}

} // namespace
