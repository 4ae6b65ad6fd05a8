#pragma once

#include <vector>

#include <QDate>
#include <QString>

#include "data/statement_window.h"

class Tdm1;

// What a lender would send back about a statement, found before it is printed.
struct ReadinessFinding
{
    enum class Fix {
        OpenWindow, // the window of `window` is where it is put right
        Overview,   // the statement list, where a statement is copied as of today
        Recompute,  // the totals are formed again from the rows
    };
    QString text;
    Fix fix = Fix::OpenWindow;
    StatementWindow window = StatementWindow::None; // for Fix::OpenWindow
    // For a total that differs from its rows: what is stored, what the rows add up to, and
    // the field that holds it.
    double stored = 0;
    double summed = 0;
    QString field = {};
};

// What the statement is checked for: our own statement, SBA Form 413, or the schedule of
// real estate owned. Every finding of the statement holds for the forms too (but for the
// age of its date, which SBA Form 413 measures by its own rule); a form adds its own.
enum class ReadinessForm { Statement, Sba413, RealEstateSchedule };

// How old a statement may be before a lender asks for a new one.
inline constexpr int ReadinessMaximumAgeDays = 90;
// How old the figures of SBA Form 413 may be when it is handed in.
inline constexpr int Sba413MaximumAgeDays = 120;

// The days a statement checked for the form may be old.
int readinessMaximumAgeDays(ReadinessForm form);

// The last day SBA Form 413 of a statement dated statementDate is current: the statement's
// date and 120 days. Invalid for an invalid date.
QDate sba413CurrentUntil(const QDate &statementDate);

// The findings of the current statement (SelectStatement has narrowed every table to it)
// for the form, in the order of the statement's windows; none for a complete statement.
// Reads only.
std::vector<ReadinessFinding> CheckReadiness(Tdm1 &dm, const QDate &today,
                                             ReadinessForm form = ReadinessForm::Statement);
