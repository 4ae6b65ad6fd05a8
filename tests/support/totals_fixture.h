#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QVariant>

#include "support/temp_database.h"

// A data-module test with helpers to build statements and to read the file behind the
// engine's back, so that what was committed is what gets checked.
class TotalsTest : public DataModuleTest
{
protected:
    using Values = std::vector<std::pair<QString, QVariant>>;

    // A saved statement with its totals row, made the current statement.
    QString addStatement(const QString &first, const QString &last);
    // Shows all statements with the list's cursor on this one, as the main window does.
    void moveListTo(const QString &id);
    // Makes the statement current, as opening one of its sections does.
    void select(const QString &id);
    // Appends a row of the statement: doubles are written as floats, the rest as texts.
    void addRow(Table &table, const QString &clientId, const Values &values);
    // One row in FSPro (orphans only) and in every detail table.
    void fillEveryTable(const QString &clientId);

    // A totals field of the statement as stored in the file (empty reads as 0).
    double stored(const QString &clientId, const QString &field) const;
    bool storedIsEmpty(const QString &clientId, const QString &field) const;
    // Rows of the statement in all tables.
    qint64 rowsOf(const QString &clientId) const;
    // Every row of every table as text: equal snapshots mean an unchanged file.
    QString snapshot() const;
    // Runs SQL on the file through another connection, then reopens the tables.
    void execBehindEngine(const QString &sql);
    void expectUnfilteredOnFirstRow();

    // Writes to every table count down in the file itself; the write that reaches zero
    // fails as a full disk or a refused row would. Zero disarms.
    void installFaultCountdown();
    void armFault(int writes);
};

// FSPro and the detail tables.
const QStringList &statementTableNames();
