#pragma once

#include <QString>

#include "run_pages.h"

class Tdm1;

// A copy of a statement for anyone but the lender hides the numbers that identify the
// holder: the social security number prints as "XXX-XX-6104", a driver's licence or an
// account number as X but for its last four letters or digits. Nothing is hidden in the
// stored statement; only the printed copy is.
enum class MaskedNumber {
    SocialSecurity, // the last four digits kept, in the form XXX-XX-dddd
    Identifier,     // the last four letters or digits kept, the others X, blanks and dashes as typed
};

// The number as a masked copy prints it. A number of four characters or fewer would show
// whole, so it is hidden throughout; an empty one stays empty.
QString maskedNumber(const QString &number, MaskedNumber kind);

// Makes every field of the run's pages that holds such a number print masked.
void maskRunNumbers(const RunPages &pages, Tdm1 &dm);
