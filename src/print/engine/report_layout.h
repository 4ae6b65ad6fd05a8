#pragma once

#include <vector>

#include "document.h"
#include "report_page.h"

namespace Report {

// Lays report pages out into a document, each page starting on a new sheet. A band that
// does not fit on the rest of a sheet starts a new one, which begins with the page header.
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
    bool fits(double height) const;
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
