#include "db_edit.h"

#include <cmath>

#include <QValidator>

#include "base/guarded.h"
#include "base/messages.h"
#include "data/engine/field.h"
#include "upper_case_validator.h"

const QString DBEdit::AmountRangeMessage =
    QStringLiteral("Please enter an amount between -1,000,000,000,000,000 and 1,000,000,000,000,000.");

namespace {

bool isAmount(const QString &text)
{
    double value = 0.0;
    return Field::parseNumber(text, &value) && std::fabs(value) <= DBEdit::MaxAmount;
}

// Accepts amounts, and the beginnings of a number while it is being typed. A number too
// large to be an amount is let stand as typed, so that the user can be told.
class NumberValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const QString text = input.trimmed();
        if (text.isEmpty() || isAmount(text))
            return Acceptable;
        if (Field::parseNumber(text, nullptr))
            return Intermediate;
        static const QStringList beginnings = {"-", "+", ".", "-.", "+."};
        if (beginnings.contains(text))
            return Intermediate;
        // "1e", "1e-", "1.5E+": an exponent on its way.
        for (const char *tail : {"e", "E", "e-", "E-", "e+", "E+"}) {
            const QLatin1String ending(tail);
            if (text.endsWith(ending) && Field::parseNumber(text.chopped(ending.size()), nullptr))
                return Intermediate;
        }
        return Invalid;
    }
};

} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
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
    const QValidator *current = validator();
    if (m_link.isFloat()) {
        if (!dynamic_cast<const NumberValidator *>(current))
            setValidator(new NumberValidator(this));
    } else if (m_upperCase) {
        if (!dynamic_cast<const UpperCaseValidator *>(current))
            setValidator(new UpperCaseValidator(this));
    } else if (current) {
        setValidator(nullptr);
    }
}

void DBEdit::refresh()
{
    updateValidator();
    const QString value = m_link.text();
    if (value != text())
        setText(value);
}

void DBEdit::onEdited(const QString &text)
{
    if (isReadOnly())
        return;
    // The beginning of a number ("-") is kept on screen until it reads as one.
    if (m_link.isFloat() && !text.trimmed().isEmpty() && !isAmount(text))
        return;
    m_link.write(text);
}

void DBEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_textAtFocus = m_link.text();
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_link.isFloat() || text().trimmed().isEmpty() || isAmount(text()))
        return;
    // What stands is not an amount: the field goes back to what it held before, not to a
    // number typed on the way ("2e1" on the way to "2e15").
    const bool tooLarge = Field::parseNumber(text(), nullptr);
    guarded([this] {
        if (m_link.text() != m_textAtFocus)
            m_link.write(m_textAtFocus);
    });
    refresh();
    if (tooLarge)
        Messages::current().show(Messages::Kind::Error, AmountRangeMessage);
}
