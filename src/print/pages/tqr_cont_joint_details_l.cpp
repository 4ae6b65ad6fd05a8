#include "tqr_cont_joint_details_l.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "schedule_parts.h"

using namespace ScheduleParts;

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

std::vector<Schedule> schedules()
{
    return {
        {.title = "Schedule I - Notes Payable",
         .table = &Tdm1::tblBank,
         .rowHeight = 22,
         .columns = {{"Bank", "Bank", 8, 165, L},
                     {"Description", "Description", 179, 169, L},
                     {"Registered in name of", "Registered", 365, 172, L},
                     {"Amount", "Amount", 592, 121, R}},
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"BankLiability", 563, 150}}},
        {.title = "Schedule J - Mortgages Payable",
         .table = &Tdm1::tblRealEstate,
         .rowHeight = 45,
         .columns = {{nullptr, "Type", 8, 93, L},
                     {nullptr, "Description", 105, 224, L},
                     {nullptr, "YearAcquired", 338, 55, C},
                     {nullptr, "PercentLiability", 404, 43, R, 3, true},
                     {nullptr, "CurrentBalance", 472, 109, R},
                     {nullptr, "TCurrentLiability", 592, 121, R},
                     {nullptr, "RegisteredName", 103, 145, L, 22},
                     {nullptr, "LienHolder", 326, 157, L, 22}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"TMortgageLiabilitiesTotals", 458, 125}, {"MortgageLiabilitiesTotals", 587, 125}},
         .headings = {heading("Type", 8, SecondHeadingLine), heading("Description", 105, SecondHeadingLine),
                      heading("Year", 337, FirstHeadingLine, 60, C), heading("Acquired", 337, SecondHeadingLine, 60, C),
                      heading("% Liability", 401, SecondHeadingLine, 66, C),
                      // As the Real Estate Liabilities window names them: the balance of the
                      // whole loan, then the owed share of it, the asset liability.
                      heading("Current", 512, FirstHeadingLine, 70, R), heading("Balance", 512, SecondHeadingLine, 70, R),
                      heading("Asset", 643, FirstHeadingLine, 70, R), heading("Liability", 643, SecondHeadingLine, 70, R)},
         .rowItems = {caption("%", 448, 3), rowCaption("Title in Name of:", 8, 22), rowCaption("Lien Holder:", 252, 22)},
         .separatorTop = 39},
        {.title = "Schedule K - Credit Card Liability",
         .table = &Tdm1::tblCreditCards,
         .rowHeight = 22,
         .columns = {{"Card Name", "Description", 8, 257, L},
                     {"Member Since (Year)", "MemberSince", 275, 66, L},
                     {"Card Limit", "CreditLimit", 459, 100, R},
                     {"Balance", "CurrentBalance", 607, 105, R}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"CreditCardLimit", 455, 105}, {"CreditCardLiability", 563, 150}},
         .separatorTop = 17},
        {.title = "Schedule L - Auto Liability",
         .table = &Tdm1::tblAuto2,
         .rowHeight = 20,
         .columns = {{"Description", "Description", 8, 196, L},
                     {"Registered in the name of", "Registered", 210, 163, L},
                     {"Lien Holder", "LienHolder", 385, 202, L},
                     {"Loan Balance", "LoanBalance", 592, 121, R}},
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"AutoLiability", 563, 150}}},
        {.title = "Schedule M - Tax Liability",
         .table = &Tdm1::tblTaxes,
         .rowHeight = 20,
         .columns = {{"Type of Tax", "Description", 8, 169, L},
                     {"Explanation", "Explanation", 184, 388, L},
                     {"Amount", "Amount", 592, 121, R}},
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"TaxLiability", 563, 150}}},
        {.title = "Schedule N - All Other Liabilities",
         .table = &Tdm1::tblOther,
         .rowHeight = 20,
         .columns = {{"Description", "Description", 8, 409, L},
                     {"Monthly Payment", "MonthlyPayment", 459, 100, R},
                     {"Amount", "Amount", 604, 110, R}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"OtherLiabilityMonthlyPayment", 455, 105}, {"OtherLiability", 563, 150}}},
        {.title = "Schedule O - Contingent Liabilities (Not Included in Net Worth Calculation)",
         .table = &Tdm1::tblContingent,
         .rowHeight = 20,
         .columns = {{"Type", "Description", 8, 185, L},
                     {"To Whom", "ToWhom", 200, 115, L},
                     {"Maturity Date", "Maturity", 330, 112, L},
                     {"Monthly Payment", "MonthlyPayment", 459, 100, R},
                     {"Amount", "Amount", 604, 110, R}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"ContingentLiabilityMonthlyPayment", 455, 105}, {"ContingentLiability", 563, 150}},
         .footerHeight = 29},
    };
}

} // namespace

TqrCont_Joint_Details_L::TqrCont_Joint_Details_L(Tdm1 &dm)
    : Report::ReportPage(QStringLiteral("TqrCont_Joint_Details_L"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrCont_Joint_Details_L::layout()
{
    static const PageSpec table = page(pageHeader(432, Qt::AlignHCenter),
                                       sectionBand("Section 2 - Liabilities", 29, "TotalLiabilities", 605, 111),
                                       schedules());
    return table;
}
