#pragma once

#include <optional>

#include <QString>

struct ComparedRatio;
struct ComparedStatement;

// How the comparison of two statements writes its figures, on screen and on paper alike.
namespace ComparisonTexts {
// The change between the two figures as money with its sign: +$1,000.00, -$250.50, $.00.
QString change(double value);
// The same as printed pages write money, without a currency sign: +1,000.00, -250.50, 0.00.
QString printedChange(double value);
// The change in percent, one decimal with its sign; "n/a" where there is none.
QString percent(const std::optional<double> &value);
// A ratio as a plain figure (1.25) or a percentage (28.0%); "n/a" where there is none.
QString ratio(const ComparedRatio &ratio, const std::optional<double> &value);
// Whom the statement's own sheets name: the holder, and the spouse on a joint statement.
QString holders(const ComparedStatement &statement);
inline const QString NotAvailable = QStringLiteral("n/a");
} // namespace ComparisonTexts
