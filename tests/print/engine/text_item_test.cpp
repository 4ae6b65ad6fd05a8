// Where texts land and how bound values print.
#include <QLocale>
#include <QRegularExpression>

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

std::vector<TextPrimitive> allLaidOut(const TextItem &item, const ItemContext &context, double *grew = nullptr)
{
    DocumentPage page;
    const double extra = item.layout(context, page);
    if (grew)
        *grew = extra;
    std::vector<TextPrimitive> texts;
    for (const TextPrimitive *t : page.texts())
        texts.push_back(*t);
    return texts;
}

double inkRight(const TextPrimitive &t)
{
    return t.alignment & Qt::AlignRight ? t.rect.right() : t.rect.left() + TextMetrics::width(t.text, t.font);
}

TEST(TextItemTest, AFixedWidthTextKeepsItsBoxAndFontWhenItFitsAndIsNeverCut)
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
    EXPECT_EQ(t.font.pointSize, 8);
    EXPECT_FALSE(t.clip);

    // A little too wide: one line in a smaller size, on the baseline of its place.
    label.setCaption("Accounts and Notes Receivable");
    ASSERT_GT(TextMetrics::width(label.caption(), arial(8)), 117);
    t = laidOut(label);
    EXPECT_EQ(t.text, label.caption());
    EXPECT_LT(t.font.pointSize, 8);
    EXPECT_GE(t.font.pointSize, TextItem::MinimumPointSize);
    EXPECT_LE(TextMetrics::width(t.text, t.font), 117.25);
    EXPECT_EQ(t.rect.width(), 117);
    EXPECT_NEAR(t.rect.top() + TextMetrics::ascent(t.font), 103 + TextMetrics::ascent(arial(8)), 1e-9);
    EXPECT_FALSE(t.clip);
}

TEST(TextItemTest, ATextTooWideEvenInSixPointWrapsInItsOwnSizeWithinItsBoxAndSaysHowMuchItGrew)
{
    const QString text = "Vanguard Total Stock Market Index Fund Admiral Shares held in the family trust";
    Label label(text, QRectF(8, 3, 143, 0));
    label.setFont(arial(8));
    double grew = 0;
    const std::vector<TextPrimitive> lines = allLaidOut(label, {QPointF(48, 100), {}}, &grew);
    ASSERT_GE(lines.size(), 3u);
    QStringList joined;
    const double lineHeight = TextMetrics::lineHeight(arial(8));
    for (size_t i = 0; i < lines.size(); ++i) {
        joined << lines[i].text;
        EXPECT_EQ(lines[i].font.pointSize, 8);
        EXPECT_EQ(lines[i].rect.left(), 48 + 8);
        EXPECT_NEAR(lines[i].rect.top(), 103 + double(i) * lineHeight, 1e-9);
        EXPECT_LE(inkRight(lines[i]), 48 + 8 + 143 + 0.25) << lines[i].text.toStdString();
    }
    EXPECT_EQ(joined.join(' '), text);
    EXPECT_NEAR(grew, double(lines.size() - 1) * lineHeight, 1e-9);

    // A word longer than the box breaks inside itself; no character is lost.
    label.setCaption("Supercalifragilisticexpialidocious-Holdings-International-Limited");
    QString whole;
    for (const TextPrimitive &line : allLaidOut(label, {QPointF(48, 100), {}}))
        whole += line.text;
    EXPECT_EQ(whole, label.caption());
}

TEST(TextItemTest, ATextKeptToItsRowSharesTheRowsHeightWholeInTheLargestSizeThatFitsAndNeverGrows)
{
    struct Case
    {
        const char *what;
        QString text;
        double width;
        double rowHeight;
    };
    const Case cases[] = {
        {"a 55-character position", "Senior Vice President of Global Strategy and Operations", 156, 23},
        {"an address with a line break", "1420 Maple Avenue, Building C\nApartment 2207, Rear Entrance", 156, 23},
        {"three lines below six point",
         QString("Director of the Regional Office for Agricultural Credit Programs ").repeated(3).trimmed(), 156, 21},
        {"a long word among short ones", "Departmental Interdisciplinarycoordinator of Programs", 90, 23},
    };
    const double rowTop = 20;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Label label(c.text, QRectF(346, 27, c.width, 0));
        label.setFont(arial(8));
        label.setRow(rowTop, c.rowHeight);
        double grew = -1;
        const std::vector<TextPrimitive> lines = allLaidOut(label, {QPointF(48, 100), {}}, &grew);
        EXPECT_EQ(grew, 0);
        ASSERT_GE(lines.size(), 2u);
        const ReportFont font = lines[0].font;
        EXPECT_LT(font.pointSize, 8);
        QStringList joined;
        for (const TextPrimitive &line : lines) {
            joined << line.text;
            EXPECT_EQ(line.font, font);
            EXPECT_EQ(line.rect.left(), 48 + 346);
            EXPECT_LE(inkRight(line), 48 + 346 + c.width + 0.25) << line.text.toStdString();
            EXPECT_GE(line.rect.top(), 100 + rowTop - 1e-9);
            EXPECT_LE(line.rect.top() + TextMetrics::lineHeight(font), 100 + rowTop + c.rowHeight + 0.25);
        }
        // Broken at blanks and line breaks only: every word whole on its line.
        EXPECT_EQ(joined.join(' '), QString(c.text).replace('\n', ' '));
        // Half a point larger, the lines would not fit the row or a word would break.
        ReportFont larger = font;
        larger.pointSize += 0.5;
        bool brokeWord = false;
        QStringList largerLines;
        for (const QString &paragraph : c.text.split('\n'))
            largerLines += TextItem::breakLines(paragraph, larger, c.width, &brokeWord);
        EXPECT_TRUE(brokeWord || double(largerLines.size()) * TextMetrics::lineHeight(larger) > c.rowHeight + 0.25);
    }

    // A text that fits its box keeps its place and size in its row.
    Label fits("Operations Manager", QRectF(346, 27, 156, 0));
    fits.setFont(arial(8));
    fits.setRow(rowTop, 23);
    const TextPrimitive t = laidOut(fits);
    EXPECT_EQ(t.text, "Operations Manager");
    EXPECT_EQ(t.font.pointSize, 8);
    EXPECT_EQ(t.rect.top(), 127);
}

TEST(TextItemTest, AnAmountTooWideEvenInSixPointGrowsItsBoxToTheLeftOnOneLine)
{
    Label amount("-999,999,999,999,999.99", QRectF(391, 3, 60, 0));
    amount.setAlignment(Qt::AlignRight);
    amount.setFont(arial(8));
    // A caption is not an amount: it would wrap. Only a bound amount grows.
    struct Amount : Label
    {
        using Label::Label;
        bool isAmount() const override { return true; }
    } grown(amount.caption(), amount.geometry());
    grown.setAlignment(Qt::AlignRight);
    grown.setFont(arial(8));
    double grew = -1;
    const std::vector<TextPrimitive> lines = allLaidOut(grown, {QPointF(48, 100), {}}, &grew);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(grew, 0);
    EXPECT_EQ(lines[0].text, amount.caption());
    EXPECT_EQ(lines[0].font.pointSize, TextItem::MinimumPointSize);
    EXPECT_EQ(lines[0].rect.right(), 48 + 391 + 60);
    EXPECT_NEAR(lines[0].rect.width(), TextMetrics::width(amount.caption(), lines[0].font), 1e-9);
    EXPECT_GT(allLaidOut(amount, {QPointF(48, 100), {}}).size(), 1u);
}

TEST(TextItemTest, AnAutoSizedTextRunningPastTheFrameShrinksAndThenWrapsInsideIt)
{
    Label label("In Dollars", QRectF(651, 3, 0, 0));
    label.setFont(arial(12));
    label.setAutoSize(true);
    ItemContext context{QPointF(48, 100), {}, 48 + 2, 48 + 718};
    std::vector<TextPrimitive> lines = allLaidOut(label, context);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rect.left(), 48 + 651);
    EXPECT_LT(lines[0].font.pointSize, 12);
    EXPECT_LE(inkRight(lines[0]), 48 + 718.25);

    const QString explanation = QString("The executor named in the will is my brother, who lives abroad. ").repeated(5).trimmed();
    Label field(explanation, QRectF(80, 20, 0, 0));
    field.setFont(arial(8));
    field.setAutoSize(true);
    double grew = 0;
    lines = allLaidOut(field, context, &grew);
    ASSERT_GE(lines.size(), 2u);
    QStringList joined;
    for (const TextPrimitive &line : lines) {
        joined << line.text;
        EXPECT_EQ(line.font.pointSize, 8);
        EXPECT_EQ(line.rect.left(), 48 + 80);
        EXPECT_LE(inkRight(line), 48 + 718.25);
    }
    EXPECT_EQ(joined.join(' '), explanation);
    EXPECT_GT(grew, 0);
}

TEST(TextItemTest, EveryLineOfATextWithLineBreaksPrintsInsideItsBox)
{
    ItemContext context{QPointF(48, 100), {}, 48 + 2, 48 + 718};
    for (const QString &breakText : {QString("\r\n"), QString("\n"), QString("\r"), QString(QChar(0x2028))}) {
        const QString address = "12 Long Street" + breakText + "Apartment 4" + breakText + breakText + "Springfield";
        Label fixed(address, QRectF(100, 10, 200, 0));
        fixed.setFont(arial(8));
        double grew = 0;
        std::vector<TextPrimitive> lines = allLaidOut(fixed, context, &grew);
        QStringList texts;
        for (const TextPrimitive &line : lines) {
            texts << line.text;
            EXPECT_EQ(line.rect.left(), 48 + 100);
            EXPECT_EQ(line.rect.width(), 200);
            EXPECT_FALSE(line.text.contains('\n') || line.text.contains('\r'));
        }
        EXPECT_EQ(texts, QStringList({"12 Long Street", "Apartment 4", "", "Springfield"}));
        EXPECT_GT(grew, 0);
        EXPECT_GT(lines.back().rect.top(), lines.front().rect.top());

        Label autoSized(address, QRectF(600, 10, 0, 0));
        autoSized.setFont(arial(8));
        autoSized.setAutoSize(true);
        lines = allLaidOut(autoSized, context);
        texts.clear();
        for (const TextPrimitive &line : lines) {
            texts << line.text;
            EXPECT_LE(inkRight(line), 48 + 718.25);
        }
        EXPECT_EQ(texts.join('|'), "12 Long Street|Apartment 4||Springfield");
    }
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

// Whatever branch sets a text, the lines it chooses hold every printed character in order,
// each fits the place it is given in the font taken, they stack one line apart, and the band
// grows by exactly what they take beyond the text's place (never for a text kept to a row).
TEST(TextItemTest, ChosenLinesKeepEveryCharacterFitTheirPlaceAndStackOnEachBranch)
{
    enum class Size { Own, Smaller, Minimum, BelowMinimum };
    enum class Edge { Both, Right, Inside };
    struct Case
    {
        const char *what;
        QString text;
        double points;
        QRectF box;
        TextItem::LayoutOptions options;
        qsizetype lines; // exactly, or at least 2 when -2
        Size size;
        Edge edge;
    };
    const QString sentence = "Vanguard Total Stock Market Index Fund Admiral Shares held in the family trust";
    TextItem::LayoutOptions plain;
    TextItem::LayoutOptions wrap;
    wrap.wordWrap = true;
    TextItem::LayoutOptions autoRight;
    autoRight.autoSize = true;
    autoRight.alignment = Qt::AlignRight;
    TextItem::LayoutOptions autoFramed;
    autoFramed.autoSize = true;
    autoFramed.innerLeft = 50;
    autoFramed.innerRight = 766;
    TextItem::LayoutOptions amount;
    amount.amount = true;
    amount.alignment = Qt::AlignRight;
    TextItem::LayoutOptions kept;
    kept.row = TextItem::Row{200, 20};
    const std::vector<Case> cases = {
        {"fits", "Name: ", 8, QRectF(290, 103, 117, 0), plain, 1, Size::Own, Edge::Both},
        {"line breaks", "12 Long Street\r\nApartment 4\n\nSpringfield", 8, QRectF(148, 110, 200, 0), plain, 4, Size::Own, Edge::Both},
        {"word wrap", "Held jointly with my spouse", 8, QRectF(100, 10, 200, 0), wrap, 1, Size::Own, Edge::Both},
        {"word wrap, narrow", sentence, 8, QRectF(100, 10, 143, 30), wrap, -2, Size::Own, Edge::Both},
        {"auto-size", "Total Assets", 10, QRectF(300, 10, 40, 0), autoRight, 1, Size::Own, Edge::Right},
        {"auto-size past the frame", "In Dollars", 12, QRectF(699, 3, 0, 0), autoFramed, 1, Size::Smaller, Edge::Inside},
        {"auto-size wrapping in the frame", sentence.repeated(3), 8, QRectF(128, 20, 0, 0), autoFramed, -2, Size::Own, Edge::Inside},
        {"shrink", "Cash on hand and in banks", 10, QRectF(10, 40, 110, 0), plain, 1, Size::Smaller, Edge::Both},
        {"too wide for the minimum", sentence, 8, QRectF(10, 40, 143, 0), plain, -2, Size::Own, Edge::Both},
        {"amount", "-999,999,999,999,999.99", 8, QRectF(439, 103, 60, 0), amount, 1, Size::Minimum, Edge::Right},
        {"kept to its row", sentence.repeated(2), 8, QRectF(10, 203, 143, 0), kept, -2, Size::BelowMinimum, Edge::Both},
    };
    const auto inked = [](const QString &text) { return QString(text).remove(QRegularExpression("[\\s\\x{2028}]")); };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const ReportFont own = arial(c.points);
        const TextItem::Layout layout = TextItem::chooseLines(c.text, own, c.box, c.options);
        const std::vector<TextItem::Line> &lines = layout.lines;
        ASSERT_FALSE(lines.empty());
        if (c.lines > 0)
            EXPECT_EQ(qsizetype(lines.size()), c.lines);
        else
            EXPECT_GE(qsizetype(lines.size()), -c.lines);
        const double size = layout.font.pointSize;
        switch (c.size) {
        case Size::Own: EXPECT_EQ(size, own.pointSize); break;
        case Size::Smaller: EXPECT_TRUE(size < own.pointSize && size >= TextItem::MinimumPointSize) << size; break;
        case Size::Minimum: EXPECT_EQ(size, TextItem::MinimumPointSize); break;
        case Size::BelowMinimum: EXPECT_LT(size, TextItem::MinimumPointSize); break;
        }

        QString printed;
        const double lineHeight = TextMetrics::lineHeight(layout.font);
        for (size_t i = 0; i < lines.size(); ++i) {
            const TextItem::Line &line = lines[i];
            printed += line.text;
            EXPECT_LE(TextMetrics::width(line.text, layout.font), line.rect.width() + 0.25) << line.text.toStdString();
            EXPECT_EQ(line.rect.left(), lines.front().rect.left());
            EXPECT_EQ(line.rect.width(), lines.front().rect.width());
            if (lines.size() > 1) {
                EXPECT_NEAR(line.rect.top(), lines.front().rect.top() + double(i) * lineHeight, 1e-9);
                EXPECT_NEAR(line.rect.height(), lineHeight, 1e-9);
            }
            switch (c.edge) {
            case Edge::Both:
                EXPECT_EQ(line.rect.left(), c.box.left());
                EXPECT_EQ(line.rect.right(), c.box.right());
                break;
            case Edge::Right: EXPECT_EQ(line.rect.right(), c.box.right()); break;
            case Edge::Inside:
                EXPECT_GE(line.rect.left(), c.options.innerLeft);
                EXPECT_LE(line.rect.right(), c.options.innerRight);
                break;
            }
        }
        EXPECT_EQ(printed.remove(' '), inked(c.text));

        const double place = c.box.height() > 0 ? c.box.height() : TextMetrics::lineHeight(own);
        if (c.options.row) {
            EXPECT_EQ(layout.growth, 0);
            EXPECT_GE(lines.front().rect.top(), c.options.row->top - 1e-9);
            EXPECT_LE(lines.back().rect.bottom(), c.options.row->top + c.options.row->height + 0.25);
        } else if (lines.size() > 1) {
            EXPECT_NEAR(layout.growth, std::max(0.0, double(lines.size()) * lineHeight - place), 1e-9);
            EXPECT_EQ(lines.front().rect.top(), c.box.top());
        } else {
            EXPECT_EQ(layout.growth, 0);
            // A single line keeps the baseline of its place, whatever size it prints in.
            EXPECT_NEAR(lines.front().rect.top() + TextMetrics::ascent(layout.font), c.box.top() + TextMetrics::ascent(own), 1e-9);
            EXPECT_NEAR(lines.front().rect.height(), place, 1e-9);
        }
    }
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

TEST(BoundValueTest, AmountsPrintAsMoneyRoundedToCentsAsTheWindowsRound)
{
    const auto money = [](double v) { return DBText::printedValue(v, FieldKind::Float, true); };
    EXPECT_EQ(money(28801.2666666667), "28,801.27");
    EXPECT_EQ(money(-50450), "-50,450.00");
    EXPECT_EQ(money(0), "0.00");
    EXPECT_EQ(money(0.5), "0.50");
    EXPECT_EQ(money(269846.801949), "269,846.80");
    EXPECT_EQ(money(5263248.508051), "5,263,248.51");
    // Half a cent rounds up from the amount's decimal form, not from its binary neighbour.
    EXPECT_EQ(money(1.005), "1.01");
    EXPECT_EQ(money(-0.004), "0.00");
    EXPECT_EQ(money(999999999999.99), "999,999,999,999.99");
    EXPECT_EQ(money(-1234567890.125), "-1,234,567,890.13");
    EXPECT_EQ(money(1e20), "100,000,000,000,000,000,000.00");
    EXPECT_EQ(DBText::printedValue(QVariant(), FieldKind::Float, true), "");
    // Currency fields hold ten-thousandths.
    EXPECT_EQ(DBText::printedValue(qlonglong(18750000), FieldKind::Currency, true), "1,875.00");
    EXPECT_EQ(DBText::printedValue(qlonglong(28333333), FieldKind::Currency, true), "2,833.33");
    EXPECT_EQ(DBText::printedValue(QVariant(QMetaType(QMetaType::LongLong)), FieldKind::Currency, true), "");
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
