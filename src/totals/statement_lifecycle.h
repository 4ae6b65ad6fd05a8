#pragma once

class Messages;
class Tdm1;

// Appends the current statement's totals row (ClientId, today's date as mm/dd/yyyy, the
// person's name as "First M. Last") unless it has one; later saves keep date and name.
// Expects SelectStatement to have run on the saved Client row.
void CreateTotalsRow(Tdm1 &dm);

// Asks, then deletes the statement under the statement list's cursor with all its rows.
// Whatever the answer or outcome, the filters are cleared and Client is on its first row.
void DeleteStatement(Tdm1 &dm, Messages &messages);

// Deletes every visible row of Client, FSPro and the detail tables (DeleteDetailRows: the
// same without Client), as one transaction. Every table must be filtered: these never
// empty a whole table.
void DeleteStatementRows(Tdm1 &dm);
void DeleteDetailRows(Tdm1 &dm);

// Deletes the FSPro and detail rows that belong to no statement (empty ClientId), as one
// transaction; Client rows always stay. Leaves every table unfiltered on its first row.
void PurgeOrphanRows(Tdm1 &dm);
