#pragma once

#include <memory>
#include <vector>

#include "lender/sba413_figures.h"
#include "print/engine/report_page.h"
#include "print/page_spec.h"

// SBA Form 413 as sheets of our layout, in the form's order: page 1 (programs, particulars,
// assets and liabilities, Section 1), Sections 2 to 4, Sections 5 to 8, the signatures, and
// after the form the attachment sheets of the rows beyond its room. Each sheet is a layout
// table of one band, built from the statement's figures; the engine adds the footer.
class TqrSba413Sheet : public Report::ReportPage
{
public:
    TqrSba413Sheet(const QString &name, const PageSpec &layout, Tdm1 &dm);
};

namespace Sba413Sheets {

// The room the form has for each kind of row; the rest goes on attachment sheets.
inline constexpr int OtherIncomeRoom = 4;
inline constexpr int NoteRoom = 5;
inline constexpr int SecurityRoom = 5;
inline constexpr int PropertyRoom = 3;
inline constexpr int OtherPropertyRoom = 5;
inline constexpr int TaxRoom = 4;
inline constexpr int OtherLiabilityRoom = 4;
inline constexpr int PolicyRoom = 4;

inline constexpr char AttachmentTitle[] = "Attachment to SBA Form 413, Personal Financial Statement";

// The layout tables of every sheet, in printing order, with the figures in their places.
struct Sheet
{
    QString name;
    PageSpec layout;
};
std::vector<Sheet> sheets(const Sba413::Figures &figures);

} // namespace Sba413Sheets
