// Painting a document on devices: the same places at any resolution, copies made exactly
// once each, and PDF files written whole or not at all.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include "print/engine/composite_report.h"
#include "print/engine/document_printer.h"
#include "print/engine/label.h"
#include "print/engine/pdf_export.h"
#include "print/engine/report_page.h"
#include "print/engine/text_metrics.h"
#include "recording_printer.h"

using namespace Report;

namespace {

// Three sheets, each with a left, a right-justified and a centred text.
Document threeSheets()
{
    Document doc;
    doc.title = "Three sheets";
    for (int i = 0; i < 3; ++i) {
        DocumentPage page{"TqrTest", {}};
        TextPrimitive left;
        left.rect = QRectF(54, 80 + i, 161, 13);
        left.text = QStringLiteral("John Q. Smith %1").arg(i);
        left.font.pointSize = 8;
        page.primitives.emplace_back(left);
        TextPrimitive right = left;
        right.rect = QRectF(290, 291, 117, 13);
        right.text = "1234.5";
        right.alignment = Qt::AlignRight;
        right.font.bold = true;
        page.primitives.emplace_back(right);
        TextPrimitive centred = left;
        centred.rect = QRectF(492, 70, 274, 20);
        centred.text = "Financial Statement Details";
        centred.alignment = Qt::AlignHCenter;
        centred.font.pointSize = 16;
        page.primitives.emplace_back(centred);
        BoxPrimitive bar;
        bar.rect = QRectF(49, 46, 717, 22);
        bar.fill = Qt::black;
        page.primitives.emplace_back(bar);
        doc.pages.push_back(page);
    }
    return doc;
}

TEST(DeviceOutputTest, TheSameDocumentPlacesItsTextsAlikeAt96And1200Dpi)
{
    const Document doc = threeSheets();
    RecordingPrinter screen("Screen", 96, true);
    RecordingPrinter fine("Fine", 1200, true);
    ASSERT_TRUE(DocumentPrinter::print(doc, screen, 1));
    ASSERT_TRUE(DocumentPrinter::print(doc, fine, 1));
    ASSERT_EQ(screen.texts().size(), 9u);
    ASSERT_EQ(fine.texts().size(), 9u);
    // Each text keeps the edge its alignment names and its baseline; glyphs differ only
    // by the whole-pixel font sizes of a 96-dpi device.
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    for (size_t i = 0; i < screen.texts().size(); ++i) {
        const RecordingPrinter::Text &a = screen.texts()[i];
        const RecordingPrinter::Text &b = fine.texts()[i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.sheet, b.sheet);
        EXPECT_EQ(a.pointSize, b.pointSize);
        const double share = alignments[i % 3] == Qt::AlignLeft ? 0 : alignments[i % 3] == Qt::AlignRight ? 1 : 0.5;
        EXPECT_NEAR(a.baseline.x() + share * a.width, (b.baseline.x() + share * b.width) / 12.5, 0.5)
            << a.text.toStdString();
        EXPECT_NEAR(a.baseline.y(), b.baseline.y() / 12.5, 0.5) << a.text.toStdString();
        EXPECT_NEAR(a.width / (b.width / 12.5), 1.0, 0.05) << a.text.toStdString();
    }
    // The left text starts at its left; the right-justified one ends at left + width.
    const RecordingPrinter::Text &name = fine.texts()[0];
    EXPECT_NEAR(name.baseline.x() / 12.5, 54, 0.5);
    ReportFont font;
    font.pointSize = 8;
    EXPECT_NEAR(name.baseline.y() / 12.5, 80 + TextMetrics::ascent(font), 0.5);
    EXPECT_NEAR(name.width / 12.5, TextMetrics::width(name.text, font), 0.5);
    const RecordingPrinter::Text &amount = fine.texts()[1];
    EXPECT_NEAR((amount.baseline.x() + amount.width) / 12.5, 290 + 117, 0.5);
    const RecordingPrinter::Text &heading = fine.texts()[2];
    EXPECT_NEAR((heading.baseline.x() + heading.width / 2) / 12.5, 492 + 137, 0.5);
}

TEST(DeviceOutputTest, APrinterThatMakesCopiesGetsTheCountBeforePrintingAndTheDocumentOnce)
{
    RecordingPrinter printer("Office Laser", 600, true);
    ASSERT_TRUE(DocumentPrinter::print(threeSheets(), printer, 3));
    EXPECT_EQ(printer.jobs(), 1);
    EXPECT_EQ(printer.copiesAtBegin(), 3);
    EXPECT_EQ(printer.sheets(), 3);
    EXPECT_EQ(printer.texts().size(), 9u);
}

TEST(DeviceOutputTest, APrinterThatCannotMakeCopiesGetsTheDocumentDrawnOncePerCopy)
{
    RecordingPrinter printer("Old Inkjet", 300, false);
    ASSERT_TRUE(DocumentPrinter::print(threeSheets(), printer, 3));
    EXPECT_EQ(printer.jobs(), 1);
    EXPECT_EQ(printer.copiesAtBegin(), 1);
    EXPECT_EQ(printer.sheets(), 9);
    ASSERT_EQ(printer.texts().size(), 27u);
    // Collated: each copy runs through the whole document.
    EXPECT_EQ(printer.texts()[9].text, "John Q. Smith 0");
    EXPECT_EQ(printer.texts()[9].sheet, 4);
}

class CompositePrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page.addBand(BandKind::Title, 20).add<Label>("Summary", QRectF(0, 0, 100, 0));
        composite.setAddReports([this](CompositeReport &c) { c.addReport(&page); });
    }
    ReportPage page{"TqrSummary"};
    CompositeReport composite;
};

TEST_F(CompositePrintTest, PrintsTheCopiesOfItsPrinterSettingsOnThatPrinter)
{
    EXPECT_EQ(composite.printerSettings().copies, 1);
    RecordingPrinter printer("Office Laser", 600, true);
    composite.printerSettings().printerName = "Office Laser";
    composite.printerSettings().copies = 3;
    QString error;
    ASSERT_TRUE(composite.print(printer, &error)) << error.toStdString();
    EXPECT_EQ(printer.copiesAtBegin(), 3);
    EXPECT_EQ(printer.sheets(), 1);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(CompositePrintTest, WritesAPdfWithoutAnyDialog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("summary.pdf");
    QString error;
    ASSERT_TRUE(composite.writePdf(path, &error)) << error.toStdString();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(CompositePrintTest, AFailedPdfWriteLeavesNoPartialFile)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(composite.writePdf(dir.filePath("missing/folder/summary.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // A disk that does not write the file through.
    ScopedFileSystemCalls failing({.sync = [](int) { return false; }, .bytesAvailable = {}});
    error.clear();
    EXPECT_FALSE(composite.writePdf(dir.filePath("summary.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
}

} // namespace
