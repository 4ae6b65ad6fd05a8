// The comparison of two statements through the real window, with figures computed by hand,
// and the printed comparison read back from its PDF.
#include <functional>

#include <QComboBox>
#include <QPointer>
#include <QDir>
#include <QProcess>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/tfrm_compare.h"
#include "copy/statement_copy.h"
#include "base/dates.h"
#include "data/engine/table.h"
#include "print/engine/composite_report.h"
#include "print/engine/money.h"
#include "support/full_statement.h"
#include "support/pdf_reader.h"
#include "support/print/print_window_fixture.h"
#include "support/temp_database.h"
#include "totals/totals.h"
#include "ui/format_money.h"

namespace {

// With WORTHSHEET_SHOTS set, a window is also kept as a picture there, to be looked at.
void keepPicture(QWidget *widget, const char *name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

class CompareWindowTest : public DataModuleTest
{
protected:
    const Dates::FixedToday fixedToday{QDate(2027, 6, 30)};
    void TearDown() override
    {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DataModuleTest::TearDown();
    }

    QString statement(const QString &first, const QString &last, const QString &date, const QString &totals)
    {
        const QString id = addClient(first, last);
        db.exec(QString("UPDATE Client SET FullName2 = '%1 %2' WHERE Id = %3").arg(first, last, id));
        db.exec(QString("INSERT INTO FSPro (ClientId, Date, Description) VALUES ('%1', '%2', '%3 %4')")
                    .arg(id, date, first, last));
        db.exec(QString("UPDATE FSPro SET %1 WHERE ClientId = '%2'").arg(totals, id));
        return id;
    }

    // The three statements of Ann Avery and one of someone else, dated so that text order
    // and date order differ.
    void addStatements()
    {
        later = statement("Ann", "Avery", "02/01/2027",
                          "CashOnHand = 2500, InvestmentTotals = 0, RealEstateTotals = 97000, NotesReceivable = 500, "
                          "TotalAssets = 100000, MortgageLiabilitiesTotals = 50000, TotalLiabilities = 50000, "
                          "NetWorth = 50000, IncomeTotal = 0, MIncomeTotal = 0, ExpenseTotal = 30000, "
                          "MExpenseTotal = 2500, MMortgage_Exp = 1000");
        earlier = statement("Ann", "Avery", "01/15/2026",
                            "CashOnHand = 1000, InvestmentTotals = 3000, RealEstateTotals = 96000, "
                            "TotalAssets = 100000, MortgageLiabilitiesTotals = 40000, TotalLiabilities = 40000, "
                            "NetWorth = 60000, IncomeTotal = 60000, MIncomeTotal = 5000, ExpenseTotal = 36000, "
                            "MExpenseTotal = 3000, Mortgage_Exp = 12000, MMortgage_Exp = 1000, "
                            "Installment_Exp = 3000, MInstallment_Exp = 250, Rental_Exp = 6000, MRental_Exp = 500");
        odd = statement("Ann", "Avery", "12/01/2026",
                        "CashOnHand = 10, TotalAssets = 10, TotalLiabilities = 0, NetWorth = -5000, "
                        "IncomeTotal = -1200, MIncomeTotal = -100, MLease_Exp = 40");
        statement("Ann", "Other", "03/01/2027", "CashOnHand = 1");
        statement("Bob", "Avery", "03/01/2027", "CashOnHand = 1");
        reopen();
        dm->tblClient.SetFilter("Id = " + earlier);
        dm->tblClient.SetFiltered(true);
        dm->tblClient.First();
        dm->SelectStatement();
    }

    TfrmCompare &open()
    {
        window = new TfrmCompare(*dm, navigator, dialogs);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }

    // The row of the figures grid whose first cell reads caption, as its cells' texts.
    QStringList figureRow(const QString &caption) const
    {
        auto *grid = window->findChild<QTableWidget *>("sgFigures");
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (grid->item(r, 0)->text() != caption)
                continue;
            QStringList cells;
            for (int c = 1; c < grid->columnCount(); ++c)
                cells << grid->item(r, c)->text();
            return cells;
        }
        return {};
    }
    QStringList ratioRow(int row) const
    {
        auto *grid = window->findChild<QTableWidget *>("sgRatios");
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << grid->item(row, c)->text();
        return cells;
    }

    QString earlier, later, odd;
    RecordingNavigator navigator;
    ScriptedPrintDialogs dialogs;
    TfrmCompare *window = nullptr;
};

TEST_F(CompareWindowTest, ThePersonsMostRecentOtherStatementIsTakenByDate)
{
    addStatements();
    EXPECT_EQ(MostRecentOtherStatement(*dm, earlier), later);
    EXPECT_EQ(MostRecentOtherStatement(*dm, later), odd);
    TfrmCompare &w = open();
    auto *other = w.findChild<QComboBox *>("cbOther");
    ASSERT_EQ(other->count(), 2);
    EXPECT_EQ(other->itemText(0), "Ann Avery of 02/01/2027");
    EXPECT_EQ(other->itemText(1), "Ann Avery of 12/01/2026");
    EXPECT_EQ(w.comparison().earlier.id, earlier);
    EXPECT_EQ(w.comparison().later.id, later);
}

TEST_F(CompareWindowTest, FiguresChangesAndRatiosAreThoseComputedByHand)
{
    addStatements();
    open();
    auto *grid = window->findChild<QTableWidget *>("sgFigures");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "01/15/2026");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "02/01/2027");
    EXPECT_EQ(figureRow("Cash (A)"), QStringList({"$1,000.00", "$2,500.00", "+$1,500.00", "+150.0%"}));
    EXPECT_EQ(figureRow("Securities (C)"), QStringList({"$3,000.00", "$.00", "-$3,000.00", "-100.0%"}));
    EXPECT_EQ(figureRow("Accounts and Notes Receivable (H)"), QStringList({"$.00", "$500.00", "+$500.00", "n/a"}));
    EXPECT_EQ(figureRow("Total Assets"), QStringList({"$100,000.00", "$100,000.00", "$.00", "0.0%"}));
    EXPECT_EQ(figureRow("Total Liabilities"), QStringList({"$40,000.00", "$50,000.00", "+$10,000.00", "+25.0%"}));
    EXPECT_EQ(figureRow("Net Worth"), QStringList({"$60,000.00", "$50,000.00", "-$10,000.00", "-16.7%"}));
    EXPECT_EQ(figureRow("Total Income"), QStringList({"$60,000.00", "$.00", "-$60,000.00", "-100.0%"}));
    EXPECT_EQ(figureRow("Monthly Income"), QStringList({"$5,000.00", "$.00", "-$5,000.00", "-100.0%"}));
    EXPECT_EQ(figureRow("Total Expenditures"), QStringList({"$36,000.00", "$30,000.00", "-$6,000.00", "-16.7%"}));
    EXPECT_EQ(figureRow("Monthly Expenditures"), QStringList({"$3,000.00", "$2,500.00", "-$500.00", "-16.7%"}));
    EXPECT_EQ(figureRow("Rental Payments"), QStringList({"$6,000.00", "$.00", "-$6,000.00", "-100.0%"}));

    // Liquidity 4,000 / 40,000 and 2,500 / 50,000; debt to net worth 40,000 / 60,000 and
    // 50,000 / 50,000; debt service (mortgage 1,000 + installments 250, not the rent)
    // / 5,000, then no income; savings (60,000 - 36,000) / 60,000, then no income.
    EXPECT_EQ(ratioRow(0), QStringList({"Liquidity", "(Cash + Securities) \u00f7 Total Liabilities", "0.10", "0.05"}));
    EXPECT_EQ(ratioRow(1), QStringList({"Debt to Net Worth", "Total Liabilities \u00f7 Net Worth", "0.67", "1.00"}));
    EXPECT_EQ(ratioRow(2).mid(2), QStringList({"25.0%", "n/a"}));
    EXPECT_EQ(ratioRow(3), QStringList({"Savings Rate", "(Income \u2212 Expenditures) \u00f7 Income", "40.0%", "n/a"}));
    keepPicture(window, "compare_window");
}

TEST_F(CompareWindowTest, ADivisorOfZeroOrBelowGivesNotAvailable)
{
    addStatements();
    open();
    auto *other = window->findChild<QComboBox *>("cbOther");
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Down); // the statement of 12/01/2026
    ASSERT_EQ(window->comparison().later.id, odd);
    // No liabilities, a negative net worth, a negative income.
    EXPECT_EQ(ratioRow(0).mid(2), QStringList({"0.10", "n/a"}));
    EXPECT_EQ(ratioRow(1).mid(2), QStringList({"0.67", "n/a"}));
    EXPECT_EQ(ratioRow(2).mid(2), QStringList({"25.0%", "n/a"}));
    EXPECT_EQ(ratioRow(3).mid(2), QStringList({"40.0%", "n/a"}));
    EXPECT_EQ(figureRow("Net Worth"), QStringList({"$60,000.00", "-$5,000.00", "-$65,000.00", "-108.3%"}));
}

TEST_F(CompareWindowTest, ThePrintedComparisonReadsAsTheWindow)
{
    addStatements();
    open();
    QTest::mouseClick(window->findChild<QWidget *>("btnPreview"), Qt::LeftButton);
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previewReports.at(0), QStringList({"TqrCompare"}));
    const int sheets = dialogs.previews.at(0).pageCount();
    EXPECT_GE(sheets, 1);
    EXPECT_LE(sheets, 2);

    window->beginRun();
    const QString path = QDir(db.folder()).filePath("compare.pdf");
    ASSERT_TRUE(window->report().writePdf(path));
    window->endRun();
    QString text;
    for (const PdfWord &word : pdfWords(path))
        text += word.text + ' ';
    for (const char *expected : {"Comparison of Financial Statements", "Ann Avery", "01/15/2026", "02/01/2027",
                                 "Cash (A) 1,000.00 2,500.00 +1,500.00 +150.0%",
                                 "Net Worth 60,000.00 50,000.00 -10,000.00 -16.7%",
                                 "Total Assets 100,000.00 100,000.00 0.00 0.0%",
                                 "Statement date: 02/01/2027", "Page 1 of",
                                 "(Cash + Securities) \u00f7 Total Liabilities",
                                 "(Income \u2212 Expenditures) \u00f7 Income"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    // Each ratio's figures stand on its line.
    const std::vector<PdfWord> words = pdfWords(path);
    const auto wordsBeside = [&](const QString &first) {
        QStringList line;
        for (const PdfWord &caption : words) {
            if (caption.text != first)
                continue;
            for (const PdfWord &word : words)
                if (word.page == caption.page && std::abs(word.box.center().y() - caption.box.center().y()) < 3
                    && word.box.left() > 280)
                    line << word.text;
        }
        return line;
    };
    EXPECT_EQ(wordsBeside("Liquidity"), QStringList({"0.10", "0.05"}));
    EXPECT_EQ(wordsBeside("Savings"), QStringList({"40.0%", "n/a"}));
    if (const QByteArray keep = qgetenv("WORTHSHEET_KEEP_COMPARISON"); !keep.isEmpty())
        QFile::copy(path, QString::fromLocal8Bit(keep));

    // Printing goes to the printer chosen, on as many sheets.
    dialogs.answer = PrintDialogs::PrinterChoice{"Office", 1};
    QTest::mouseClick(window->findChild<QWidget *>("btnPrint"), Qt::LeftButton);
    ASSERT_EQ(dialogs.printedFiles.size(), 1);
    EXPECT_EQ(pdfInfo(dialogs.printedFiles.at(0)).value("Pages").toInt(), sheets);
}

// The words of the printed comparison, in reading order, as one text.
QString printedWords(TfrmCompare &window, const QString &path)
{
    window.beginRun();
    EXPECT_TRUE(window.report().writePdf(path));
    window.endRun();
    QString text;
    for (const PdfWord &word : pdfWords(path))
        text += word.text + ' ';
    return text;
}

TEST_F(CompareWindowTest, ACopyMadeTodayWithARaisedFigureReadsForwardOnScreenAndOnPaper)
{
    // A joint statement of today, copied today; the copy's cash raised by 2,749.25.
    const QString today = Dates::format(Dates::today());
    const QString source = writeFullStatement(*dm, 2, "Avery");
    db.exec(QString("UPDATE FSPro SET Date = '%1' WHERE ClientId = '%2'").arg(today, source));
    reopen();
    selectStatement(*dm, source);
    RecalcAllTotals(*dm);
    const QString copy = CopyStatement(*dm, source, Dates::today());
    selectStatement(*dm, copy);
    Table &cash = dm->tblCash;
    cash.Append();
    cash.FieldByName("ClientId").SetAsString(copy);
    cash.FieldByName("Balance").SetAsFloat(2749.25);
    cash.Post();
    RecalcCashTotals(*dm);
    const auto stored = [this](const QString &id, const char *field) {
        return db.number(QString("SELECT %1 FROM FSPro WHERE ClientId = '%2'").arg(field, id));
    };
    const double cashBefore = stored(source, "CashOnHand");
    const double cashAfter = stored(copy, "CashOnHand");
    ASSERT_NEAR(cashAfter - cashBefore, 2749.25, 1e-6);
    const QString percent = "+" + QString::number(2749.25 / cashBefore * 100, 'f', 1) + "%";
    const QString sourceLabel = today + " #" + source;
    const QString copyLabel = today + " #" + copy;

    // Opened from either statement, the copy is the later one.
    for (const QString &selected : {copy, source}) {
        SCOPED_TRACE(selected.toStdString());
        selectStatement(*dm, selected);
        delete window;
        TfrmCompare &w = open();
        EXPECT_EQ(w.findChild<QComboBox *>("cbOther")->itemText(0),
                  "Ada Avery of " + (selected == copy ? sourceLabel : copyLabel));
        EXPECT_EQ(w.comparison().earlier.id, source);
        EXPECT_EQ(w.comparison().later.id, copy);
        auto *grid = w.findChild<QTableWidget *>("sgFigures");
        EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), sourceLabel);
        EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), copyLabel);
        EXPECT_EQ(figureRow("Cash (A)"), QStringList({FormatMoney(cashBefore), FormatMoney(cashAfter), "+$2,749.25", percent}));
        for (const char *total : {"Total Assets", "Net Worth"}) {
            const QStringList row = figureRow(total);
            ASSERT_EQ(row.size(), 4);
            EXPECT_EQ(row[2], "+$2,749.25") << total;
            EXPECT_TRUE(row[3].startsWith('+')) << total;
        }
        EXPECT_EQ(figureRow("Total Liabilities").mid(2), QStringList({"$.00", "0.0%"}));
        // More cash is more liquidity, and less debt to net worth.
        auto *ratios = w.findChild<QTableWidget *>("sgRatios");
        EXPECT_EQ(ratios->horizontalHeaderItem(2)->text(), sourceLabel);
        EXPECT_EQ(ratios->horizontalHeaderItem(3)->text(), copyLabel);
        EXPECT_GT(ratioRow(0)[3].toDouble(), ratioRow(0)[2].toDouble());
        EXPECT_LT(ratioRow(1)[3].toDouble(), ratioRow(1)[2].toDouble());
    }
    keepPicture(window, "compare_copy_of_today");

    const QString text = printedWords(*window, QDir(db.folder()).filePath("copy.pdf"));
    for (const QString &expected : QStringList{"Statement of " + copyLabel + " compared with the statement of " + sourceLabel,
          "Change %", sourceLabel + " " + copyLabel + " Change",
          "Cash (A) " + Report::printedMoney(cashBefore) + " " + Report::printedMoney(cashAfter) + " +2,749.25 " + percent,
          "Ada Avery and Ben Avery", "Statement date: " + today})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("-2,749.25")) << text.toStdString();
    if (const QByteArray keep = qgetenv("WORTHSHEET_KEEP_COMPARISON"); !keep.isEmpty())
        QFile::copy(QDir(db.folder()).filePath("copy.pdf"), QString::fromLocal8Bit(keep) + ".copy.pdf");
}

TEST_F(CompareWindowTest, CloseAndEscGoBackToTheOverviewAndEnterLeavesItOpen)
{
    addStatements();
    struct Way
    {
        const char *what;
        std::function<void(TfrmCompare &)> act;
        bool leaves;
    };
    const Way ways[] = {
        {"Close", [](TfrmCompare &w) { QTest::mouseClick(w.findChild<QWidget *>("btnClose"), Qt::LeftButton); }, true},
        {"Esc in the list of statements",
         [](TfrmCompare &w) { QTest::keyClick(w.findChild<QWidget *>("cbOther"), Qt::Key_Escape); }, true},
        {"Esc in the figures", [](TfrmCompare &w) { QTest::keyClick(w.findChild<QWidget *>("sgFigures"), Qt::Key_Escape); },
         true},
        // The window has no default button: Enter presses nothing.
        {"Enter in the figures", [](TfrmCompare &w) { QTest::keyClick(w.findChild<QWidget *>("sgFigures"), Qt::Key_Return); },
         false},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.what);
        navigator.calls.clear();
        dm->tblClient.SetFilter("Id = " + earlier);
        dm->tblClient.SetFiltered(true);
        dm->tblClient.First();
        dm->SelectStatement();
        QPointer<TfrmCompare> w = &open();
        way.act(*w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(navigator.calls, way.leaves ? QStringList({"overview"}) : QStringList());
        EXPECT_EQ(dm->tblClient.Filtered(), !way.leaves);
        EXPECT_EQ(w.isNull(), way.leaves);
        delete w;
        window = nullptr;
    }
}

} // namespace

namespace {

// The headers and cells of the grid that do not show whole in their column: the text's
// width with the font it is drawn in, plus the margins the item view draws it inside; in a
// grid that wraps, its lines' height against the row's.
QStringList cutTexts(const QTableWidget *grid)
{
    QStringList cut;
    const int cellMargin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int width = grid->columnWidth(c);
        if (const QTableWidgetItem *header = grid->horizontalHeaderItem(c);
            header && QFontMetrics(grid->horizontalHeader()->font()).horizontalAdvance(header->text()) + cellMargin > width)
            cut << header->text();
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QTableWidgetItem *item = grid->item(r, c);
            const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : grid->font();
            const QFontMetrics metrics(font);
            const QRect lines = metrics.boundingRect(QRect(0, 0, width - cellMargin, 10000), Qt::TextWordWrap, item->text());
            if (grid->wordWrap() ? lines.width() > width - cellMargin || lines.height() > grid->rowHeight(r)
                                 : metrics.horizontalAdvance(item->text()) + cellMargin > width)
                cut << item->text();
        }
    }
    return cut;
}

} // namespace

TEST_F(CompareWindowTest, AtItsDefaultSizeNoCaptionIsCutAndLargerTheGridsTakeTheRoom)
{
    addStatements();
    // Amounts as long as a statement holds, beside the longest captions.
    db.exec(QString("UPDATE FSPro SET TotalAssets = 123456789.5, LifeCash = 98765432.1 WHERE ClientId = '%1'").arg(later));
    reopen();
    dm->tblClient.SetFilter("Id = " + earlier);
    dm->tblClient.SetFiltered(true);
    dm->tblClient.First();
    dm->SelectStatement();
    TfrmCompare &w = open();
    const QSize opening = w.size();
    EXPECT_GE(opening.width(), 553);
    EXPECT_GE(opening.height(), 447);
    for (const char *name : {"sgFigures", "sgRatios"}) {
        SCOPED_TRACE(name);
        auto *grid = w.findChild<QTableWidget *>(name);
        EXPECT_EQ(cutTexts(grid), QStringList());
        // All of it in view: nothing to scroll sideways to.
        EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    }
    keepPicture(&w, "comparison_default");

    const QRect figures = w.findChild<QWidget *>("sgFigures")->geometry();
    const QRect ratios = w.findChild<QWidget *>("sgRatios")->geometry();
    const QRect close = w.findChild<QWidget *>("btnClose")->geometry();
    w.resize(opening + QSize(60, 40));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.findChild<QWidget *>("sgFigures")->geometry(), figures.adjusted(0, 0, 60, 40));
    EXPECT_EQ(w.findChild<QWidget *>("sgRatios")->geometry(), ratios.adjusted(0, 40, 60, 40));
    EXPECT_EQ(w.findChild<QWidget *>("btnClose")->geometry(), close.translated(60, 40));
    auto *grid = w.findChild<QTableWidget *>("sgFigures");
    int columns = 0;
    for (int c = 0; c < grid->columnCount(); ++c)
        columns += grid->columnWidth(c);
    EXPECT_EQ(columns, grid->viewport()->width());
    EXPECT_EQ(cutTexts(grid), QStringList());
    keepPicture(&w, "comparison_larger");
}
