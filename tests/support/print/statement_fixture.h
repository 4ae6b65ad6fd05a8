#pragma once

#include <map>
#include <ostream>
#include <vector>

#include <QString>

#include "print/engine/document.h"
#include "print/run_pages.h"
#include "data/tdm1.h"
#include "support/temp_database.h"

// A database holding one filled statement, selected as the main window selects it for
// printing: every table filtered on it.
class StatementTest : public DataModuleTest
{
protected:
    // The holder's particulars, the totals and, for a joint statement, the spouse's
    // particulars with both spouse names.
    void addFilledStatement(bool joint);
    // A statement with names only and a totals row whose amounts are empty.
    void addBareStatement();
    // Lays the pages out as one composite, in their order.
    static Report::Document layOut(const RunPages &pages);
    static Report::Document layOut(std::unique_ptr<Report::ReportPage> page);
    // Sets fields of the current row of a table and posts it.
    void set(Table &table, const std::map<QString, QString> &values);
    // Appends a row of the statement to a detail table.
    void addRow(Table &table, const std::map<QString, QString> &values);
    // A few rows in every schedule's table and a Legal row with a will and its executor.
    void addDetailRows();
    void select();

    // The printed values, by field name (Client fields and FSPro fields).
    static const std::map<QString, QString> &holderValues();
    static const std::map<QString, QString> &spouseValues();
    static const std::map<QString, QString> &totalValues();
    // The rows addDetailRows adds, by table.
    static const std::vector<std::pair<Table Tdm1::*, std::map<QString, QString>>> &detailRows();

    QString clientId;
};

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

// A stored amount as the pages print it ("28801.2666666667" prints "28,801.27"); a text
// that is not a number as it is.
QString printedAmount(const QString &stored);

// The texts of one sheet, in painting order.
QStringList textsOf(const Report::DocumentPage &page);
// The text primitive reading `text` whose rectangle starts at (left, top), within half a pixel.
const Report::TextPrimitive *textAt(const Report::DocumentPage &page, const QString &text, double left, double top);
