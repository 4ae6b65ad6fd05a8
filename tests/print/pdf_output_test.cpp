// The summary sheet written as PDF and read back as a reader of the file sees it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "print/engine/composite_report.h"
#include "print/engine/pdf_export.h"
#include "print/engine/text_metrics.h"
#include "print/pages/tqr_cont_joint.h"
#include "print/pages/tqr_cont_single.h"
#include "print/run_pages.h"
#include "pdf_reader.h"
#include "statement_fixture.h"
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
    EXPECT_EQ(pdfInfo(path).value("Pages"), "5");
    const std::vector<PdfWord> words = pdfWords(path);
    const char *const firstTexts[] = {"Spouse Information", "Contacts (Spouse)", "Section 2 - Assets",
                                      "Section 2 - Liabilities", "Section 3 - Annual Income and Expenditures"};
    for (int page = 1; page <= 5; ++page)
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
