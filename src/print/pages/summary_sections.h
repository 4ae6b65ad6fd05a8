#pragma once

#include <array>
#include <vector>

#include "print/page_spec.h"

// The sections of the summary pages, each written once with its captions and fields:
// the particulars rows (the holder's, or the spouse's with S-prefixed fields), the
// balance sheet and the annual income and expenditures. Each page gives the places.

struct FieldPlace
{
    double left = 0;
    double width = 0;
};

struct HeadingPlace
{
    double left = 0;
    double width = 0; // 0: as wide as the heading
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct ParticularsPlaces
{
    QString title;
    double barTop = 0;
    double titleTop = 0;
    TextStyle titleStyle;
    std::array<double, 5> rowTops{};
    std::array<double, 5> ruleTops{};
    double residencePhoneLeft = 212;
    // "S" for the spouse's fields.
    QString fieldPrefix;
    // Per row, per caption; left empty, the rows print their captions alone.
    std::vector<std::vector<FieldPlace>> fields;
};

struct AmountTablePlaces
{
    double barTop = 0;
    double titleTop = 0;
    TextStyle titleStyle;
    double greyTop = 0;
    double headingTop = 0;
    TextStyle headingStyle;
    std::array<HeadingPlace, 4> headings{};
    double firstRowTop = 0;
    // The income table's totals row stands apart from its rows.
    double totalsTop = 0;
    FieldPlace rightField{599, 116};
    bool withFields = true;
    // The contingent liabilities caption and its note.
    bool contingentTrailingBlank = true;
    double contingentNoteLeft = 490;
    double contingentNoteDrop = 3;
};

namespace SummarySections {
// The page header of a summary sheet: frame, rules, its heading and, when asked, the
// product's web address.
BandSpec header(const ItemSpec &heading, bool webAddress);
// The header of the statement's summary sheets.
BandSpec statementHeader();
std::vector<ItemSpec> particulars(const ParticularsPlaces &places);
std::vector<ItemSpec> balanceSheet(const AmountTablePlaces &places);
std::vector<ItemSpec> incomeAndExpenditures(const AmountTablePlaces &places);

inline constexpr double TitleBandHeight = 905;
inline constexpr double HeaderBandHeight = 55;
} // namespace SummarySections
