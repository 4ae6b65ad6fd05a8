#pragma once

#include <map>

#include <QString>

#include "print/engine/document.h"
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
    // Sets fields of the current row of a table and posts it.
    void set(Table &table, const std::map<QString, QString> &values);
    void select();

    // The printed values, by field name (Client fields and FSPro fields).
    static const std::map<QString, QString> &holderValues();
    static const std::map<QString, QString> &spouseValues();
    static const std::map<QString, QString> &totalValues();

    QString clientId;
};

// The texts of one sheet, in painting order.
QStringList textsOf(const Report::DocumentPage &page);
// The text primitive reading `text` whose rectangle starts at (left, top), within half a pixel.
const Report::TextPrimitive *textAt(const Report::DocumentPage &page, const QString &text, double left, double top);
