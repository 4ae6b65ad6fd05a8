#include "typed_values.h"

#include <cmath>

#include <QRegularExpression>

namespace TypedValues {

std::optional<double> parseAmount(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    // A sign may stand before or after the dollar sign: "-$250", "$-250".
    auto takeSign = [&] {
        if (t.startsWith(u'-') || t.startsWith(u'+')) {
            if (negative && t.startsWith(u'-'))
                return false; // "(-250)" says minus twice
            negative = negative || t.startsWith(u'-');
            t.remove(0, 1);
        }
        return true;
    };
    if (!takeSign())
        return std::nullopt;
    if (t.startsWith(u'$'))
        t.remove(0, 1);
    if (!negative && !takeSign())
        return std::nullopt;

    // Digits grouped by three with commas, or not grouped at all; then the decimals.
    static const QRegularExpression number(QStringLiteral(R"(^(\d{1,3}(,\d{3})+|\d+)?(\.\d*)?$)"));
    const QRegularExpressionMatch match = number.match(t);
    if (!match.hasMatch() || t.isEmpty() || t == QLatin1String("."))
        return std::nullopt;
    t.remove(u',');
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parsePercent(const QString &text)
{
    QString t = text.trimmed();
    if (t.endsWith(u'%'))
        t.chop(1);
    if (t.contains(u'$') || t.contains(u'('))
        return std::nullopt;
    return parseAmount(t);
}

} // namespace TypedValues
