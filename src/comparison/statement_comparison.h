#pragma once

#include <optional>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

class Tdm1;

// Two statements side by side: every category of the summary page and every total with
// the change between them, and the ratios a lender looks at. Reads the stored totals
// rows; changes nothing.

struct ComparedFigure
{
    QString caption;
    QString field; // the totals row's field
    bool total = false;
    double earlier = 0;
    double later = 0;
    double change = 0;
    // Change in percent of the earlier figure's magnitude, so a negative net worth that
    // shrinks shows a rise; none where the earlier figure is 0.
    std::optional<double> percent;
};

struct ComparedGroup
{
    QString caption;
    std::vector<ComparedFigure> figures;
};

struct ComparedRatio
{
    QString caption;
    QString formula;
    bool asPercent = false; // shown as a percentage rather than as a plain ratio
    // None where the divisor is 0 or negative.
    std::optional<double> earlier;
    std::optional<double> later;
};

struct ComparedStatement
{
    QString id;
    qint64 created = 0; // the Id as a number: statements are numbered as they are created
    QString name;       // the person's name on the totals row
    QString date;       // mm/dd/yyyy as stored
    // What heads the statement's column: its date, and its number where both have that date.
    QString label;
    // The Client row's names, as the statement's own sheets name its holders.
    QString fullName;
    QString spouseFirstName;
    QString spouseLastName;
    QString spouseFullName;
};

struct StatementComparison
{
    ComparedStatement earlier;
    ComparedStatement later;
    std::vector<ComparedGroup> groups;
    std::vector<ComparedRatio> ratios;
};

// Compares two statements by Id; the one with the older date comes first, and of equal
// dates (or none) the one created first. Refuses an Id that is no statement.
StatementComparison CompareStatements(Tdm1 &dm, const QString &firstId, const QString &secondId);

// The statement dates compared as dates, not as texts (month and day with or without
// leading zeros): an invalid date is older than any.
bool statementDateIsOlder(const QString &date, const QString &than);

// The statements of the same person as the given one (same last and first name), newest
// first by date, the given one excluded.
struct StatementChoice
{
    QString id;
    QString date;
    QString name;
    // Its date, and its number where another of them (or the given one) has that date.
    QString label;
};
std::vector<StatementChoice> OtherStatementsOfPerson(Tdm1 &dm, const QString &id);
// The most recent of them; empty text when the person has no other statement.
QString MostRecentOtherStatement(Tdm1 &dm, const QString &id);
