#pragma once

#include <QDate>
#include <QString>

class Tdm1;

// Copies a statement as of a new date: a new Client row with every particular, the totals
// row with Date set to asOf (mm/dd/yyyy), every detail row and the legal answers, then the
// totals formed again by the recomputations. One transaction: a failure leaves the file
// as it was. Returns the new statement's Id.
//
// Afterwards the filters are cleared and the statement list's cursor is on the copy, with
// the totals row and the detail tables following it (as the Overview selects a row); after
// a failure the cursor is back on the source statement.
QString CopyStatement(Tdm1 &dm, const QString &sourceId, const QDate &asOf);

// Shows every statement with the list's cursor on this one and the totals row and detail
// tables following it, as selecting it on the Overview does.
void ShowStatementInList(Tdm1 &dm, const QString &id);
