#pragma once

#include <QString>
#include <QStringList>

#include "exchange/statement_record.h"

class Tdm1;

// A statement as spreadsheet files: one CSV file per table (Client.csv, FSPro.csv, then one
// per detail table, every table even when it has no rows), each with a header row of the
// table's field names and one line per row. RFC 4180: comma-separated, CRLF line ends, a
// field holding a comma, a quote or a line break in double quotes with its quotes doubled;
// UTF-8 without a byte order mark. Amounts are plain decimals, never with an exponent:
// dollars with two decimals (1234.50), the monthly amounts with two to four (104.1667),
// percentages as stored (33.5). A text that begins with = + - @, a tab or a carriage return
// (after any apostrophes) gets a leading apostrophe, so that no spreadsheet takes it for a
// formula.
namespace StatementCsv {

QByteArray tableCsv(const ExchangeTable &table, const std::vector<RecordRow> &rows);
QString fileName(const ExchangeTable &table);

} // namespace StatementCsv

// Writes statement id's files into folder (each 0600). Refuses, writing nothing, when one
// of the files already exists there; when writing fails half-way, the files already
// written are removed again. Returns the paths written.
QStringList exportStatementCsv(Tdm1 &dm, const QString &id, const QString &folder);
