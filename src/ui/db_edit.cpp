#include "db_edit.h"

#include <cmath>

#include <QFocusEvent>

#include "base/amount_limits.h"
#include "base/dates.h"
#include "base/guarded.h"
#include "typed_values.h"
#include "upper_case_validator.h"

const QString DBEdit::AmountRangeMessage =
    QStringLiteral("Please enter an amount between -1,000,000,000,000,000 and 1,000,000,000,000,000.");
const QString DBEdit::AmountMessage = QStringLiteral("Please enter an amount, for example 1,234.50.");

namespace {

// The shortest text that reads back as the same double.
QString numberText(double value)
{
    const QString shortForm = QString::number(value, 'g', 15);
    return shortForm.toDouble() == value ? shortForm : QString::number(value, 'g', 17);
}

} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), TypedControl(this, m_link)
{
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, guard([this](const QString &text) { onEdited(text); }));
}

void DBEdit::setDataSource(DataSource *source)
{
    m_link.setDataSource(source);
}

void DBEdit::setDataField(const QString &name)
{
    m_link.setDataField(name);
}

void DBEdit::setUpperCase(bool upper)
{
    m_upperCase = upper;
    updateValidator();
}

void DBEdit::updateValidator()
{
    // Numbers are never filtered key by key: a dropped key would change the amount.
    const QValidator *current = validator();
    if (m_upperCase && !m_link.isFloat()) {
        if (!dynamic_cast<const UpperCaseValidator *>(current))
            setValidator(new UpperCaseValidator(this));
    } else if (current) {
        setValidator(nullptr);
    }
}

void DBEdit::refresh()
{
    updateValidator();
    // Refused typing stays while its row is being edited; a row that moves on or drops its
    // changes shows what it holds.
    if (isRefused()) {
        if (!refusalOutlived())
            return;
        setRefused(false);
    }
    const QString value = m_link.text();
    if (value != text())
        setText(value);
}

std::optional<QString> DBEdit::storedForm(const QString &text) const
{
    if (text.trimmed().isEmpty())
        return QString();
    switch (m_rule) {
    case Rule::Percent: {
        const auto value = TypedValues::parsePercent(text);
        if (!value || *value < 0 || *value > 100)
            return std::nullopt;
        return numberText(*value);
    }
    case Rule::Date:
    case Rule::PastDate:
    case Rule::UpToToday: {
        const auto date = Dates::parse(text);
        const QDate today = Dates::today();
        if (!date || (m_rule == Rule::PastDate && *date >= today) || (m_rule == Rule::UpToToday && *date > today))
            return std::nullopt;
        return Dates::format(*date);
    }
    case Rule::Initial: {
        const QString t = text.trimmed();
        if (t.size() != 1 || !t.front().isLetter())
            return std::nullopt;
        return m_upperCase ? t.toUpper() : t;
    }
    case Rule::Free:
        break;
    }
    if (m_link.isFloat()) {
        const auto value = TypedValues::parseAmount(text);
        if (!value || std::fabs(*value) > MaxAmount)
            return std::nullopt;
        return numberText(*value);
    }
    return text;
}

QString DBEdit::refusal() const
{
    if (!isRefused())
        return QString();
    switch (m_rule) {
    case Rule::Percent:
        return QStringLiteral("Please enter \"%1\" as a percent from 0 to 100.").arg(fieldName());
    case Rule::Date:
    case Rule::PastDate:
    case Rule::UpToToday:
        if (m_rule == Rule::Date || !Dates::parse(text()))
            return QStringLiteral("Please enter \"%1\" as a date in the form mm/dd/yyyy.").arg(fieldName());
        return m_rule == Rule::PastDate
            ? QStringLiteral("Please enter \"%1\" as a date in the past.").arg(fieldName())
            : QStringLiteral("Please enter \"%1\" as a date no later than today.").arg(fieldName());
    case Rule::Initial:
        return QStringLiteral("Please enter \"%1\" as one letter.").arg(fieldName());
    case Rule::Free:
        break;
    }
    const auto value = TypedValues::parseAmount(text());
    return value ? AmountRangeMessage : AmountMessage;
}

void DBEdit::onEdited(const QString &text)
{
    if (isReadOnly())
        return;
    const std::optional<QString> value = storedForm(text);
    if (!value) {
        // Kept as typed, stored nowhere; the user is told when leaving the edit.
        setRefused(true);
        return;
    }
    setRefused(false);
    m_link.write(*value);
}

void DBEdit::revert()
{
    setRefused(false);
    setText(m_link.text());
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isRefused()) {
        // A stored value shows in its stored form ("1/2/1970" as "01/02/1970").
        guarded([this] { refresh(); });
        return;
    }
    focusLeft(event);
}
