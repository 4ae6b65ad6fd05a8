#pragma once

#include <vector>

#include "document.h"
#include "report_page.h"

namespace Report {

// Lays report pages out into a document, each page starting on a new sheet. A band that
// does not fit on the rest of a sheet starts a new one, which begins with the page header;
// a band that grew (a text wrapped) past the sheet moves whole to the next sheet, or is cut
// between lines of text over further sheets when it is taller than a sheet.
// A sub-detail keeps its group header with its first row and its footer with its last
// row. Data sets are read in their order without moving any table's cursor, except that
// a page's own data set is first moved to its first row.
class ReportLayout
{
public:
    explicit ReportLayout(Document &document);

    void addPage(ReportPage &page);

    // Every row of the table's filtered set, in its order, read without moving its cursor.
    static std::vector<TableRow> readAllRows(Table &table);

private:
    void startSheet(bool firstOfPage);
    void finishSheet(bool lastOfPage);
    double bodyBottom() const;
    bool fits(double height) const;
    // Finishes the sheet and starts the next, with the open schedule's heading again.
    void nextSheet();
    // Moves the primitives of a band from `first` on, which grew past the sheet, to further
    // sheets; answers the height it takes on the last one.
    double carryOver(size_t first, double height);
    // Starts a new sheet first when the height does not fit and the sheet holds a body.
    void makeRoom(double height);
    void place(const Band &band);
    void placeSubDetail(const Band &subDetail);

    Document &m_document;
    ReportPage *m_page = nullptr;
    DocumentPage *m_sheet = nullptr;
    double m_y = 0;
    bool m_sheetHasBody = false;
    std::vector<BoundRow> m_rows;
    // The sub-detail whose rows are printing, for its header on a continuation sheet.
    const Band *m_openSubDetail = nullptr;
};

} // namespace Report
