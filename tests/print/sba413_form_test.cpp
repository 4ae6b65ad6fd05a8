// SBA Form 413 of a worked joint statement, written as PDF and read back as a lender's reader
// sees it: every line of the form against figures worked out here from the rows.
#include <QLineF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/tdm1.h"
#include "lender/sba413_figures.h"
#include "print/engine/composite_report.h"
#include "print/engine/money.h"
#include "print/masked_numbers.h"
#include "print/run_pages.h"
#include "support/pdf_reader.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

class Sba413FormTest : public TotalsTest
{
protected:
    // A joint statement with every kind of row the form reads, cents chosen so that
    // rounding each line alone and apportioning the column differ.
    void addWorkedStatement()
    {
        id = addStatement("John", "Smith");
        execBehindEngine(QStringLiteral("UPDATE Client SET FullName2 = 'John Q. Smith', SFirstName = 'Mary', "
                                        "SLastName = 'Smith', SFullName2 = 'Mary A. Smith', SSN = '321-54-9876', "
                                        "SSSN = '412-77-3109', Address = '1420 Maple Avenue', City = 'Springfield', "
                                        "State = 'IL', Zip = '62704', PersonalPhone = '(217) 555-0199', "
                                        "BusinessPhone = '(217) 555-0142', MaritalStatus = 'Married', "
                                        "BusinessName = 'Smith Consulting LLC', BusinessType = 'LLC', "
                                        "ProgramLoans = 'Yes' WHERE Id = %1")
                            .arg(id));
        select(id);
        using V = Values;
        const std::vector<std::pair<Table Tdm1::*, V>> rows = {
            {&Tdm1::tblCash, {{"Type", "Checking Account"}, {"Bank", "First Prairie"}, {"Balance", 8200.45}}},
            {&Tdm1::tblCash, {{"Type", "Cash on Hand"}, {"Balance", 150.10}}},
            {&Tdm1::tblCash, {{"Type", "Savings Account"}, {"Balance", 4300.50}}},
            {&Tdm1::tblCash, {{"Type", "Certificate of Deposit"}, {"Balance", 10000.0}}},
            {&Tdm1::tblCash, {{"Type", "Money Market Account"}, {"Balance", 2500.25}}},
            {&Tdm1::tblInvestments,
             {{"Description", "Acme Corp."}, {"InvestmentType", "Stock"}, {"Shares", "150"}, {"Exchange", "NYSE"},
              {"QuotationDate", "03/01/2024"}, {"PurchasePrice", 9000.0}, {"MarketValue", 12750.75}}},
            {&Tdm1::tblInvestments,
             {{"Description", "Prairie Growth Fund"}, {"InvestmentType", "Mutual Fund"}, {"Shares", "300"},
              {"PurchasePrice", 30000.0}, {"MarketValue", 35500.0}}},
            {&Tdm1::tblInvestments,
             {{"Description", "Freight 401(k)"}, {"InvestmentType", "401K"}, {"RegisteredName", "John Q. Smith"},
              {"MarketValue", 88000.30}}},
            {&Tdm1::tblInvestments,
             {{"Description", "Nurse SEP"}, {"InvestmentType", "SEP/IRA"}, {"Pledged", "Yes"},
              {"PledgedTo", "First Prairie"}, {"MarketValue", 12000.0}}},
            {&Tdm1::tblOtherAssets, {{"Type", "Accounts and Notes Receivable"}, {"Description", "Loan to a brother"}, {"Value", 5000.0}}},
            {&Tdm1::tblOtherAssets, {{"Type", "Restricted or Margin Account"}, {"Description", "Margin account"}, {"Value", 7500.0}}},
            {&Tdm1::tblOtherAssets, {{"Type", "All Other Assets"}, {"Description", "Art"}, {"Value", 2500.0}}},
            {&Tdm1::tblBusinessAssets, {{"Description", "Smith Consulting LLC (40%)"}, {"Value", 120000.0}}},
            {&Tdm1::tblPersonalAssets, {{"Description", "Household furnishings"}, {"Value", 35000.0}}},
            {&Tdm1::tblLifeInsurance,
             {{"Company", "Midwest Mutual"}, {"Insured", "John Q. Smith"}, {"Beneficiary", "Mary A. Smith"},
              {"FaceValue", 250000.0}, {"CashValue", 9100.40}}},
            {&Tdm1::tblRealEstate,
             {{"Description", "Home"}, {"Type", "Homestead"}, {"YearAcquired", "1998"}, {"PercentOwned", 100.0},
              {"MarketValue", 250000.0}, {"LienHolder", "Prairie Mortgage"}, {"CurrentBalance", 142000.60},
              {"PercentLiability", 100.0}, {"MonthlyPayment", 1350.0}, {"LienAccountNumber", "PM-1001"},
              {"LienStatus", "Current"}, {"Address", "1420 Maple Avenue"}, {"City", "Springfield"}, {"State", "IL"},
              {"Zip", "62704"}, {"Occupancy", "Owner Occupied"}}},
            {&Tdm1::tblRealEstate,
             {{"Description", "Home HELOC"}, {"Type", "Homestead"}, {"YearAcquired", "1998"}, {"LienOnProperty", "Home"},
              {"PercentOwned", 100.0}, {"MarketValue", 0.0}, {"LienHolder", "Credit Union"}, {"CurrentBalance", 20000.0},
              {"PercentLiability", 100.0}, {"MonthlyPayment", 250.0}}},
            {&Tdm1::tblRealEstate,
             {{"Description", "Lake house"}, {"Type", "Vacation"}, {"YearAcquired", "2010"}, {"PercentOwned", 50.0},
              {"MarketValue", 300000.50}, {"LienHolder", "Lakes Bank"}, {"CurrentBalance", 120000.0},
              {"PercentLiability", 50.0}}},
            {&Tdm1::tblRealEstate,
             {{"Description", "Lot"}, {"Type", "Other"}, {"YearAcquired", "2015"}, {"PercentOwned", 100.0}, {"MarketValue", 40000.0}}},
            {&Tdm1::tblRealEstate,
             {{"Description", "Rental duplex"}, {"Type", "Rental"}, {"YearAcquired", "2018"}, {"PercentOwned", 100.0},
              {"MarketValue", 220000.0}, {"LienHolder", "Duplex Lender"}, {"CurrentBalance", 150000.0},
              {"PercentLiability", 100.0}, {"Occupancy", "Tenant Occupied"}}},
            {&Tdm1::tblAuto, {{"Year", "2019"}, {"Model", "Honda Accord"}, {"CurrentValue", 18400.49}, {"MonthlyPayment", 410.50}}},
            {&Tdm1::tblAuto, {{"Year", "2021"}, {"Model", "Ford F-150"}, {"CurrentValue", 32000.0}, {"MonthlyPayment", 615.0}}},
            {&Tdm1::tblAuto2, {{"Description", "Accord loan"}, {"LienHolder", "Honda Finance"}, {"LoanBalance", 9800.0}}},
            {&Tdm1::tblAuto2, {{"Description", "F-150 loan"}, {"LienHolder", "Ford Credit"}, {"LoanBalance", 21000.51}}},
            {&Tdm1::tblBank,
             {{"Bank", "First Prairie Bank"}, {"BankAddress", "1 Main St., Springfield"}, {"Description", "Line"},
              {"Amount", 15000.50}, {"OriginalBalance", 25000.0}, {"PaymentAmount", 500.0},
              {"PaymentFrequency", "Monthly"}, {"Collateral", "Unsecured"}}},
            {&Tdm1::tblCreditCards, {{"Description", "Visa"}, {"CurrentBalance", 2100.40}}},
            {&Tdm1::tblCreditCards, {{"Description", "Store card"}, {"CurrentBalance", 1150.35}}},
            {&Tdm1::tblTaxes,
             {{"Description", "Property tax"}, {"PayableTo", "Sangamon County"}, {"DueDate", "06/01/2024"}, {"Amount", 4100.0}}},
            {&Tdm1::tblOther, {{"Description", "Student loan"}, {"Amount", 2200.0}, {"MonthlyPayment", 220.0}}},
            {&Tdm1::tblOther,
             {{"Description", "Furniture plan"}, {"Category", "Installment Account"}, {"Amount", 1800.55}, {"MonthlyPayment", 150.25}}},
            {&Tdm1::tblOther, {{"Description", "Policy loan"}, {"Category", "Loan Against Life Insurance"}, {"Amount", 3000.0}}},
            {&Tdm1::tblContingent, {{"Description", "Guarantor"}, {"Amount", 25000.0}}},
            {&Tdm1::tblContingent, {{"Description", "Involvement in Pending Legal Action"}, {"Amount", 10000.0}}},
            {&Tdm1::tblContingent, {{"Description", "Other"}, {"Category", "Provision for Federal Income Tax"}, {"Amount", 4000.50}}},
            {&Tdm1::tblContingent, {{"Description", "Leases or Contracts"}, {"Amount", 6000.0}}},
            {&Tdm1::tblIncomes, {{"Type", "Salaries and Wages (Individual)"}, {"Description", "Salary"}, {"Amount", 96000.0}}},
            {&Tdm1::tblIncomes, {{"Type", "Salaries and Wages (Spouse)"}, {"Description", "Salary"}, {"Amount", 64000.0}}},
            {&Tdm1::tblIncomes, {{"Type", "Bonuses and Commissions"}, {"Description", "Bonus"}, {"Amount", 12000.50}}},
            {&Tdm1::tblIncomes, {{"Type", "Dividends and Interest Income"}, {"Description", "Dividends"}, {"Amount", 3400.49}}},
            {&Tdm1::tblIncomes, {{"Type", "Net Real Estate Income"}, {"Description", "Duplex rent"}, {"Amount", 18000.0}}},
            {&Tdm1::tblIncomes, {{"Type", "Oil and Gas Income / Royalties"}, {"Description", "Royalty interest"}, {"Amount", 1200.0}}},
            {&Tdm1::tblIncomes, {{"Type", "All Other Income"}, {"Description", "Consulting fees"}, {"Amount", 2500.50}}},
        };
        for (const auto &[table, values] : rows)
            addRow((*dm).*table, id, values);
        execBehindEngine(QStringLiteral("UPDATE FSPro SET Date = '03/15/2024' WHERE ClientId = '%1'").arg(id));
        select(id);
        RecalcAllTotals(*dm);
        select(id);
    }

    std::vector<PdfWord> writeForm(bool masked = false)
    {
        RunPages pages = createSba413Pages(*dm);
        if (masked)
            maskRunNumbers(pages, *dm);
        Report::CompositeReport composite;
        prepareSba413Composite(composite, *dm, pages);
        path = dir.filePath(QStringLiteral("sba413.pdf"));
        QString error;
        EXPECT_TRUE(composite.writePdf(path, &error)) << error.toStdString();
        if (const QString keep = qEnvironmentVariable("WORTHSHEET_TEST_OUTPUT"); !keep.isEmpty()) {
            QFile::remove(keep + QStringLiteral("/sba413.pdf"));
            QFile::copy(path, keep + QStringLiteral("/sba413.pdf"));
        }
        return pdfWords(path);
    }

    // The amount printed on the line of a caption, in its column (the caption's left edge
    // plus the column's width), below the phrase found nearest to `near`.
    // The caption's words side by side on one line, nearest to `near`: a reader's word
    // order need not follow the lines.
    static std::optional<QRectF> captionBox(const std::vector<PdfWord> &words, int page, const QString &caption,
                                            QPointF near)
    {
        const QStringList parts = caption.split(u' ');
        std::optional<QRectF> best;
        for (const PdfWord &first : words) {
            if (first.page != page || first.text != parts.front())
                continue;
            QRectF box = first.box;
            bool whole = true;
            for (qsizetype i = 1; i < parts.size() && whole; ++i) {
                whole = false;
                for (const PdfWord &next : words)
                    if (next.page == page && next.text == parts[i] && std::abs(next.box.top() - box.top()) < 2
                        && next.box.left() > box.right() - 1 && next.box.left() < box.right() + 8) {
                        box = box.united(next.box);
                        whole = true;
                        break;
                    }
            }
            const auto distance = [&near](const QRectF &b) { return QLineF(b.topLeft(), near).length(); };
            if (whole && (!best || distance(box) < distance(*best)))
                best = box;
        }
        return best;
    }

    static QString amountBeside(const std::vector<PdfWord> &words, int page, const QString &caption, QPointF near,
                                QRectF *place = nullptr)
    {
        const std::optional<QRectF> found = captionBox(words, page, caption, near);
        if (!found)
            return QStringLiteral("<no caption>");
        if (place)
            *place = *found;
        // Pixels from the paper's edge: the half-inch margin, then the form's two columns.
        const double columnLeft = found->left() < 48 + 360 ? 48 : 48 + 360;
        for (const PdfWord &word : words)
            if (word.page == page && word.text != QLatin1String("$") && std::abs(word.box.top() - found->top()) < 7
                && word.box.left() > columnLeft + 240 && word.box.right() < columnLeft + 362)
                return word.text;
        return QString();
    }

    // What our summary prints for the figure, in whole dollars: its cents half up.
    qint64 summaryDollars(const char *field)
    {
        QString printed = Report::printedMoney(stored(id, QLatin1String(field))).remove(u',');
        const qint64 cents = printed.remove(u'.').toLongLong();
        return cents >= 0 ? (cents + 50) / 100 : -((-cents - 50 + 99) / 100);
    }

    QTemporaryDir dir;
    QString path;
    QString id;
};

// Each line of page 1 and Section 1, from the rows above:
struct Line
{
    const char *caption;
    int column; // 0 assets, 1 liabilities
    const char *printed;
    const char *after = nullptr; // a repeated caption: the one below this caption
};

const Line PageOneLines[] = {
    // 8,200.45 + 150.10 = 8,350.55: rounded down 8,350, and the third largest remainder (55).
    {"Cash on Hand & in Banks", 0, "8,351"},
    // 4,300.50 + 10,000 + 2,500.25 = 16,800.75 (savings, certificate, money market).
    {"Savings Accounts", 0, "16,801"},
    // 401K 88,000.30 + SEP/IRA 12,000: remainder 30, no dollar.
    {"IRA or Other Retirement Account", 0, "100,000"},
    {"Accounts & Notes Receivable", 0, "5,000"},
    // Cash value 9,100.40: remainder 40 gets no dollar (three go to 75, 75 and 55).
    {"Life Insurance \u2013 Cash Surrender Value Only", 0, "9,100"},
    // Stock 12,750.75 + mutual fund 35,500.
    {"Stocks and Bonds", 0, "48,251"},
    // Owned shares: 250,000 + the HELOC row's 0 + 50 % of 300,000.50 + 40,000 + 220,000 = 660,000.25.
    {"Real Estate", 0, "660,000"},
    // 18,400.49 + 32,000: remainder 49 stays below.
    {"Automobiles", 0, "50,400"},
    {"Other Personal Property", 0, "35,000"},
    // Margin 7,500 + all other 2,500 + business interest 120,000.
    {"Other Assets", 0, "130,000"},
    // Our total assets 1,062,903.49.
    {"Total", 0, "1,062,903", "Other Assets"},
    // Cards 2,100.40 + 1,150.35 = 3,250.75: the largest remainder gets a dollar.
    {"Accounts Payable", 1, "3,251"},
    // 15,000.50 rounded down: its remainder 50 is below 75 and 60.
    {"Notes Payable to Banks and Others", 1, "15,000"},
    // 9,800 + 21,000.51: remainder 51, below the two dollars' takers.
    {"Installment Account (Auto)", 1, "30,800"},
    // The autos' payments 410.50 + 615 = 1,025.50, rounded alone.
    {"Mo. Payments", 1, "1,026", "Installment Account (Auto)"},
    {"Installment Account (Other)", 1, "1,800"},
    // The furniture plan's 150.25.
    {"Mo. Payments", 1, "150", "Installment Account (Other)"},
    {"Loan(s) Against Life Insurance", 1, "3,000"},
    // Owed shares: 142,000.60 + 20,000 + 50 % of 120,000 + 150,000 = 372,000.60.
    {"Mortgages on Real Estate", 1, "372,001"},
    {"Unpaid Taxes", 1, "4,100"},
    {"Other Liabilities", 1, "2,200"},
    // 1,062,903 - 630,751; rounded alone our 432,152.91 would print 432,153.
    {"Total Liabilities", 1, "432,152"},
    // Our net worth 630,750.58.
    {"Net Worth", 1, "630,751"},
    {"Total", 1, "1,062,903", "Net Worth"},
    // Salaries 96,000 + 64,000 + bonus 12,000.50.
    {"Salary", 0, "172,001"},
    {"Net Investment Income", 0, "3,400"},
    {"Real Estate Income", 0, "18,000"},
    // Royalties 1,200 + consulting 2,500.50.
    {"Other Income (Describe below)*", 0, "3,701"},
    // Guarantor.
    {"As Endorser or Co-Maker", 1, "25,000"},
    {"Legal Claims & Judgments", 1, "10,000"},
    // Chosen by category, 4,000.50.
    {"Provision for Federal Income Tax", 1, "4,001"},
    // Leases or contracts.
    {"Other Special Debt", 1, "6,000"},
};

qint64 dollarsOf(const QString &printed)
{
    return QString(printed).remove(u',').toLongLong();
}

TEST_F(Sba413FormTest, EveryLineOfAWorkedJointStatementPrintsItsRowsInWholeDollars)
{
    addWorkedStatement();
    const std::vector<PdfWord> words = writeForm();

    qint64 assets = 0;
    qint64 liabilities = 0;
    for (const Line &line : PageOneLines) {
        SCOPED_TRACE(line.caption);
        QPointF near(48 + line.column * 360 + 10, 0);
        if (line.after) {
            QRectF above;
            amountBeside(words, 1, QString::fromUtf8(line.after), near, &above);
            near = above.bottomLeft() + QPointF(0, 14);
        }
        const QString printed = amountBeside(words, 1, QString::fromUtf8(line.caption), near);
        EXPECT_EQ(printed, QLatin1String(line.printed));
        const bool total = line.after && QLatin1String(line.caption) == QLatin1String("Total");
        const bool payments = QLatin1String(line.caption) == QLatin1String("Mo. Payments");
        const size_t index = size_t(&line - PageOneLines);
        if (index < 10)
            assets += dollarsOf(printed);
        else if (index > 10 && index < 21 && !payments && !total)
            liabilities += dollarsOf(printed);
    }
    // Each column adds up to its printed total, and the totals are our summary's in whole
    // dollars; total liabilities is their difference.
    EXPECT_EQ(assets, 1062903);
    EXPECT_EQ(liabilities, 432152);
    EXPECT_EQ(summaryDollars("TotalAssets"), 1062903);
    EXPECT_EQ(summaryDollars("NetWorth"), 630751);
    EXPECT_EQ(1062903 - 630751, 432152);

    // The form's pages, the fourth property on an attachment sheet, and the footer's count.
    EXPECT_EQ(pdfInfo(path).value(QStringLiteral("Pages")), QStringLiteral("4"));
    const struct
    {
        int page;
        const char *text;
    } captions[] = {
        {1, "PERSONAL FINANCIAL STATEMENT"},
        {1, "U.S. SMALL BUSINESS ADMINISTRATION"},
        {1, "As of 03/15/2024"},
        {1, "John Q. Smith and Mary A. Smith"},
        {1, "Smith Consulting LLC"},
        {1, "ASSETS (Omit Cents)"},
        {1, "LIABILITIES (Omit Cents)"},
        {1, "Section 1. Source of Income"},
        {1, "Contingent Liabilities"},
        {1, "Description of Other Income in Section 1."},
        {1, "Royalty interest"},
        {1, "Consulting fees"},
        {2, "Section 2. Notes Payable to Banks and Others."},
        {2, "First Prairie Bank"},
        {2, "1 Main St., Springfield"},
        {2, "Section 3. Stocks and Bonds."},
        {2, "Acme Corp."},
        {2, "03/01/2024"},
        {2, "Section 4. Real Estate Owned."},
        {2, "Property A"},
        {2, "Property C"},
        {2, "Homestead (Owner Occupied)"},
        {2, "Prairie Mortgage"},
        {2, "Credit Union"},
        {2, "PM-1001"},
        {2, "1,350/mo"},
        {2, "(50 % owned: 150,000)"},
        {2, "60,000)"},
        {3, "Section 5. Other Personal Property and Other Assets."},
        {3, "2019 Honda Accord, monthly payment $411"}, // 410.50 rounded alone
        {3, "Section 6. Unpaid Taxes."},
        {3, "Property tax, payable to Sangamon County, due 06/01/2024"},
        {3, "Section 7. Other Liabilities."},
        {3, "Furniture plan (Installment Account (Other)), $150 a month"},
        {3, "Section 8. Life Insurance Held."},
        {3, "Midwest Mutual, insured John Q. Smith, beneficiary Mary A. Smith, face amount $250,000"},
        {4, "Section 5 (continued) Other Personal Property and Other Assets."},
        {4, "Nurse SEP, SEP/IRA, pledged to First Prairie"},
        {3, "Print Name"},
        {3, "Mary A. Smith"},
        {3, "321-54-9876"},
        {3, "412-77-3109"},
        {4, "Attachment to SBA Form 413, Personal Financial Statement"},
        {4, "Section 4 (continued) Real Estate Owned."},
        {4, "Property D"},
        {4, "Duplex Lender"},
        {4, "Page 4 of 4"},
    };
    for (const auto &c : captions)
        EXPECT_TRUE(captionBox(words, c.page, QString::fromUtf8(c.text), {0, 0})) << c.page << ' ' << c.text;
    // The program box of the form chosen, and the business type: an X in each.
    int crosses = 0;
    for (const PdfWord &word : words)
        crosses += word.page == 1 && word.text == QLatin1String("X");
    EXPECT_EQ(crosses, 3); // 7(a) loan, Married: Yes, LLC
}

TEST_F(Sba413FormTest, AMaskedCopyHidesBothSocialSecurityNumbers)
{
    addWorkedStatement();
    const std::vector<PdfWord> words = writeForm(true);
    EXPECT_TRUE(captionBox(words, 3, QStringLiteral("XXX-XX-9876"), {0, 0}));
    EXPECT_TRUE(captionBox(words, 3, QStringLiteral("XXX-XX-3109"), {0, 0}));
    for (const PdfWord &word : words)
        EXPECT_FALSE(word.text.contains(QLatin1String("54-9876")) || word.text.contains(QLatin1String("77-3109")));
}

} // namespace
