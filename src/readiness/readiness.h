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

// How old a statement may be before a lender asks for a new one.
inline constexpr int ReadinessMaximumAgeDays = 90;

// The findings of the current statement (SelectStatement has narrowed every table to it),
// in the order of the statement's windows; none for a complete statement. Reads only.
std::vector<ReadinessFinding> CheckReadiness(Tdm1 &dm, const QDate &today);
