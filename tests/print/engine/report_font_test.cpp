// Arial on the printed pages: the face that stands in for it and what is said when none does.
#include <QFontInfo>

#include <gtest/gtest.h>

#include "print/engine/report_font.h"

using namespace Report;

namespace {

TEST(ReportFontTest, ArialOrLiberationSansIsUsedSilentlyWhenInstalled)
{
    QString warning = "not cleared";
    EXPECT_EQ(printFaceFor({"DejaVu Sans", "Liberation Sans", "Noto Serif"}, &warning), "Liberation Sans");
    EXPECT_TRUE(warning.isEmpty());
    EXPECT_EQ(printFaceFor({"Liberation Sans", "Arial"}, &warning), "Arial");
    EXPECT_TRUE(warning.isEmpty());
}

TEST(ReportFontTest, WithoutEitherTheClosestFaceIsUsedAndTheUserIsTold)
{
    QString warning;
    const QString face = printFaceFor({"DejaVu Sans"}, &warning);
    EXPECT_FALSE(face.isEmpty());
    EXPECT_TRUE(warning.startsWith("Neither Arial nor Liberation Sans is installed; printed pages use "))
        << warning.toStdString();
    EXPECT_TRUE(warning.contains(face));
}

TEST(ReportFontTest, PrintedTextsResolveArialToAMetricCompatibleFace)
{
    preparePrintFonts();
    ReportFont font;
    font.pointSize = 8;
    const QString family = QFontInfo(font.toQFont()).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

} // namespace
