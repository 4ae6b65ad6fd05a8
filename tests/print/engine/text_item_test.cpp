// Where texts land and how bound values print.
#include <QLocale>

#include <gtest/gtest.h>

#include "print/engine/db_text.h"
#include "print/engine/document.h"
#include "print/engine/label.h"
#include "print/engine/text_metrics.h"
#include "support/temp_database.h"

using namespace Report;

namespace {

TextPrimitive laidOut(const TextItem &item, const std::vector<BoundRow> &rows = {})
{
    DocumentPage page;
    item.layout({QPointF(48, 100), rows}, page);
    const auto texts = page.texts();
    return texts.empty() ? TextPrimitive{} : *texts.front();
}

ReportFont arial(double size, bool bold = false)
{
    ReportFont font;
    font.pointSize = size;
    font.bold = bold;
    return font;
}

TEST(TextItemTest, AFixedWidthTextKeepsItsBoxAndIsCutAtItsEdgesOnlyWhenItIsWider)
{
    Label label("Name: ", QRectF(242, 3, 117, 0));
    label.setAlignment(Qt::AlignRight);
    label.setFont(arial(8));
    TextPrimitive t = laidOut(label);
    EXPECT_EQ(t.rect.left(), 48 + 242);
    EXPECT_EQ(t.rect.right(), 48 + 242 + 117);
    EXPECT_EQ(t.rect.top(), 103);
    EXPECT_NEAR(t.rect.height(), TextMetrics::lineHeight(arial(8)), 1e-9);
    EXPECT_TRUE(t.alignment & Qt::AlignRight);
    EXPECT_FALSE(t.clip);

    label.setCaption("A name far too long for a box of one hundred and seventeen pixels");
    t = laidOut(label);
    EXPECT_EQ(t.rect.width(), 117);
    EXPECT_TRUE(t.clip);
}

TEST(TextItemTest, AnAutoSizedTextTakesTheWidthOfItsTextAndKeepsTheEdgeItsAlignmentNames)
{
    const ReportFont font = arial(14, true);
    const double width = TextMetrics::width("WORTHSHEET", font);
    ASSERT_GT(width, 50);
    ASSERT_LT(width, 200);

    Label right("WORTHSHEET", QRectF(373, 18, 337, 0));
    right.setFont(font);
    right.setAutoSize(true);
    right.setAlignment(Qt::AlignRight);
    TextPrimitive t = laidOut(right);
    EXPECT_DOUBLE_EQ(t.rect.right(), 48 + 373 + 337);
    EXPECT_NEAR(t.rect.width(), width, 1e-9);
    EXPECT_FALSE(t.clip);

    Label left("WORTHSHEET", QRectF(6, 32, 0, 0));
    left.setFont(font);
    left.setAutoSize(true);
    t = laidOut(left);
    EXPECT_EQ(t.rect.left(), 48 + 6);
    EXPECT_NEAR(t.rect.width(), width, 1e-9);

    Label centred("WORTHSHEET", QRectF(444, 22, 274, 0));
    centred.setFont(font);
    centred.setAutoSize(true);
    centred.setAlignment(Qt::AlignHCenter);
    t = laidOut(centred);
    EXPECT_NEAR(t.rect.center().x(), 48 + 444 + 137, 1e-9);
}

TEST(TextItemTest, LargerAndBolderFontsMeasureWider)
{
    EXPECT_GT(TextMetrics::width("Total Assets", arial(8, true)), TextMetrics::width("Total Assets", arial(8)));
    EXPECT_NEAR(TextMetrics::width("Total Assets", arial(16)), 2 * TextMetrics::width("Total Assets", arial(8)), 0.6);
    // Liberation Sans: ascent plus descent is about 1.15 em; 8 points are 10.67 pixels.
    EXPECT_NEAR(TextMetrics::lineHeight(arial(8)), 12.3, 0.6);
}

TEST(TextItemTest, ADisabledOrEmptyTextPrintsNothing)
{
    Label label("Explain:", QRectF(25, 20, 50, 0));
    label.setEnabled(false);
    DocumentPage page;
    label.layout({QPointF(), {}}, page);
    EXPECT_TRUE(page.primitives.empty());
    label.setEnabled(true);
    label.setCaption({});
    label.layout({QPointF(), {}}, page);
    EXPECT_TRUE(page.primitives.empty());
}

TEST(BoundValueTest, FloatsPrintInGeneralNotationWithoutSeparatorsOrSign)
{
    EXPECT_EQ(DBText::printedValue(12500.0, FieldKind::Float), "12500");
    EXPECT_EQ(DBText::printedValue(1234.5, FieldKind::Float), "1234.5");
    EXPECT_EQ(DBText::printedValue(-150000.0, FieldKind::Float), "-150000");
    EXPECT_EQ(DBText::printedValue(0.1 + 0.2, FieldKind::Float), "0.3");
    EXPECT_EQ(DBText::printedValue(1041.6666666666667, FieldKind::Float), "1041.66666666667");
    EXPECT_EQ(DBText::printedValue(0.0, FieldKind::Float), "0");
    EXPECT_EQ(DBText::printedValue(QVariant(), FieldKind::Float), "");
}

TEST(BoundValueTest, CurrencyPrintsInTheSystemCurrencyFormat)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DBText::printedValue(qint64(12345000), FieldKind::Currency), "$1,234.50");
    EXPECT_EQ(DBText::printedValue(qint64(8333), FieldKind::Currency), "$0.83");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DBText::printedValue(qint64(12345000), FieldKind::Currency), QStringLiteral("1.234,50\u00a0€"));
    QLocale::setDefault(before);
    EXPECT_EQ(DBText::printedValue(QVariant(), FieldKind::Currency), "");
}

TEST(BoundValueTest, TextsPrintAsStored)
{
    EXPECT_EQ(DBText::printedValue(QStringLiteral("John Q. Smith"), FieldKind::Text), "John Q. Smith");
    EXPECT_EQ(DBText::printedValue(QStringLiteral("0012"), FieldKind::Text), "0012");
    EXPECT_EQ(DBText::printedValue(QString(), FieldKind::Text), "");
}

class BoundTextTest : public DataModuleTest
{
};

TEST_F(BoundTextTest, ABoundTextPrintsTheCurrentRowOfItsTableOrTheRowItsDataSetIsPrinting)
{
    const QString id = addClient("Ann", "Archer");
    addTotalsRow(id);
    Table &totals = dm->tblFSPro;
    totals.First();
    totals.Edit();
    totals.FieldByName("CashOnHand").SetAsFloat(12500);
    totals.Post();

    DBText cash(&dm->tblFSPro, "CashOnHand", QRectF(242, 0, 117, 0));
    EXPECT_EQ(laidOut(cash).text, "12500");

    DBText empty(&dm->tblFSPro, "TotalAssets", QRectF(242, 0, 117, 0));
    DocumentPage page;
    empty.layout({QPointF(), {}}, page);
    EXPECT_TRUE(page.primitives.empty());

    const std::vector<TableRow> rows = dm->tblFSPro.readRows(std::nullopt, 1);
    ASSERT_EQ(rows.size(), 1u);
    TableRow other = rows.front();
    other.values[dm->tblFSPro.FieldByName("CashOnHand").Index()] = 99.5;
    EXPECT_EQ(laidOut(cash, {BoundRow{&dm->tblFSPro, &other}}).text, "99.5");
}

TEST_F(BoundTextTest, AFieldTheTableLacksIsAnEngineError)
{
    DBText wrong(&dm->tblFSPro, "NoSuchField", QRectF());
    DocumentPage page;
    EXPECT_ANY_THROW(wrong.layout({QPointF(), {}}, page));
}

} // namespace
