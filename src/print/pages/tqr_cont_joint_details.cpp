#include "tqr_cont_joint_details.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "schedule_parts.h"

using namespace ScheduleParts;

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

// Schedules F and G list their tables alike.
const std::vector<ScheduleColumn> &registeredValueColumns()
{
    static const std::vector<ScheduleColumn> columns = {
        {"Description", "Description", 8, 215, L},
        {"Registered in the name of", "Registered", 264, 215, L},
        {"Value", "Value", 627, 87, R},
    };
    return columns;
}

std::vector<Schedule> schedules()
{
    return {
        {.title = "Schedule A - Deposit Relationships",
         .table = &Tdm1::tblCash,
         .rowHeight = 20,
         .columns = {{"Type of Account", "Type", 8, 143, L},
                     {"Registered in Name of", "RegisteredName", 165, 136, L},
                     {"Bank", "Bank", 320, 121, L},
                     {"Account Number", "AccountNumber", 455, 108, L},
                     {"Current Balance", "Balance", 592, 121, R}},
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"CashOnHand", 563, 150}}},
        {.title = "Schedule B - Real Estate",
         .table = &Tdm1::tblRealEstate,
         .rowHeight = 47,
         .columns = {{nullptr, "Type", 8, 98, L},
                     {nullptr, "Description", 110, 201, L},
                     {nullptr, "YearAcquired", 331, 39, C},
                     {nullptr, "PercentOwned", 391, 28, R, 3, true},
                     {nullptr, "MarketValue", 459, 125, R},
                     {nullptr, "TMarketValue", 587, 125, R},
                     {nullptr, "RegisteredName", 102, 175, L, 23},
                     {nullptr, "LienHolder", 380, 157, L, 23}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"RealEstateTotalsAsset", 460, 125}, {"RealEstateTotals", 588, 125}},
         .headings = {heading("Type", 8, SecondHeadingLine), heading("Description", 112, SecondHeadingLine),
                      heading("Year", 321, FirstHeadingLine, 60, C), heading("Acquired", 321, SecondHeadingLine, 60, C),
                      heading("% Owned", 385, SecondHeadingLine, 61, C),
                      // As the Real Estate window names them: the market value of the whole
                      // property, then the owned share of it, the asset value.
                      heading("Market", 513, FirstHeadingLine, 70, R), heading("Value", 513, SecondHeadingLine, 70, R),
                      heading("Asset", 643, FirstHeadingLine, 70, R), heading("Value", 643, SecondHeadingLine, 70, R)},
         .rowItems = {caption("%", 420, 3), rowCaption("Title in Name of:", 6, 23), rowCaption("Lien Holder:", 308, 23)},
         .separatorTop = 39},
        {.title = "Schedule C - Securities",
         .table = &Tdm1::tblInvestments,
         .rowHeight = 20,
         .columns = {{"# Shares", "Shares", 8, 62, L},
                     {"Security", "Description", 76, 100, L},
                     {"Exchange", "Exchange", 180, 49, L},
                     {"Pledged", "Pledged", 236, 57, C},
                     {"Registered in Name of", "RegisteredName", 299, 150, L, 0},
                     {"Purchase Price", "PurchasePrice", 473, 87, R},
                     {"Current Value", "MarketValue", 627, 87, R}},
         .totalCaption = "Totals",
         .totalLeft = 410,
         .totals = {{"InvestmentPurchasePrice", 455, 105}, {"InvestmentTotals", 563, 150}}},
        {.title = "Schedule D - Automobiles",
         .table = &Tdm1::tblAuto,
         .rowHeight = 20,
         .columns = {{"Model", "Model", 8, 135, L},
                     {"Year", "Year", 165, 60, L},
                     {"Monthly Payment", "MonthlyPayment", 359, 90, R},
                     {"Purchase Price", "PurchasePrice", 469, 90, R},
                     {"Current Value", "CurrentValue", 627, 90, R}},
         .totalCaption = "Totals",
         .totalLeft = 285,
         .totals = {{"AutoPaymentTotal", 345, 105}, {"AutoPurchasePrice", 455, 105}, {"AutoTotal", 563, 150}}},
        {.title = "Schedule E - Cash Value of Life Insurance",
         .table = &Tdm1::tblLifeInsurance,
         .rowHeight = 20,
         .columns = {{"Company", "Company", 8, 106, L},
                     {"Insured", "Insured", 119, 102, L}, // three pixels clear of the beneficiary
                     {"Beneficiary", "Beneficiary", 224, 107, L},
                     {"Pledged?", "Pledged", 334, 39, L},
                     {"To Whom?", "PledgedTo", 387, 96, C},
                     {"Face Value", "FaceValue", 487, 93, R},
                     {"Cash Value", "CashValue", 627, 87, R}},
         .totalCaption = "Totals",
         .totalLeft = 424,
         .totals = {{"LifeFace", 475, 105}, {"LifeCash", 583, 130}}},
        {.title = "Schedule F - Household and Personal Assets",
         .table = &Tdm1::tblPersonalAssets,
         .rowHeight = 20,
         .columns = registeredValueColumns(),
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"PersonalAssets", 563, 150}}},
        {.title = "Schedule G - Business Assets",
         .table = &Tdm1::tblBusinessAssets,
         .rowHeight = 33,
         .columns = registeredValueColumns(),
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"BusinessAssets", 563, 150}}},
        {.title = "Schedule H",
         .table = &Tdm1::tblOtherAssets,
         .rowHeight = 20,
         .columns = {{"Type", "Type", 8, 125, L},
                     {"Description", "Description", 144, 215, L},
                     {"Registered in the name of", "Registered", 384, 215, L},
                     {"Value", "Value", 627, 87, R}},
         .totalCaption = "Total",
         .totalLeft = 520,
         .totals = {{"OtherAssetsTotal", 563, 150}},
         .subtitle = "- Other Assets (Accounts and Notes Receivable, Restricted or Margin Accounts All Other Assets)",
         .subtitleLeft = 101},
    };
}

} // namespace

TqrCont_Joint_Details::TqrCont_Joint_Details(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrCont_Joint_Details"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrCont_Joint_Details::layout()
{
    static const PageSpec table = page(pageHeader(431, Qt::AlignHCenter),
                                       sectionBand("Section 2 - Assets", 25, "TotalAssets", 627, 91), schedules());
    return table;
}
