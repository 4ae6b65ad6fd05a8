#pragma once

#include <QString>

// The whole number of cents in `amount` (taken without its sign), rounded half up from the
// amount's 15-significant-digit decimal form, as decimal digits ("0" for nothing). Screens
// and printed pages round money through this one function, so they never disagree.
QString roundedCents(double amount);
