#include "db_edit.h"

#include <QValidator>

#include "data/engine/field.h"

namespace {

// Accepts what reads as a number, and the beginnings of one while it is being typed.
class NumberValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const QString text = input.trimmed();
        if (text.isEmpty() || Field::parseNumber(text, nullptr))
            return Acceptable;
        static const QStringList beginnings = {"-", "+", ".", "-.", "+."};
        if (beginnings.contains(text) || text.endsWith(u'e') || text.endsWith(u'E')
            || text.endsWith(QStringLiteral("e-")) || text.endsWith(QStringLiteral("E-")))
            return Intermediate;
        return Invalid;
    }
};

} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::onEdited);
}

void DBEdit::refresh()
{
    if (m_link.isFloat()) {
        if (!validator())
            setValidator(new NumberValidator(this));
    } else if (validator()) {
        setValidator(nullptr);
    }
    const QString value = m_link.text();
    if (value != text())
        setText(value);
}

void DBEdit::onEdited(const QString &text)
{
    if (isReadOnly())
        return;
    // The beginning of a number ("-") is kept on screen until it reads as one.
    if (m_link.isFloat() && !text.trimmed().isEmpty() && !Field::parseNumber(text, nullptr))
        return;
    m_link.write(text);
}
