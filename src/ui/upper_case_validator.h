#pragma once

#include <QValidator>

// Turns typed letters into capitals as they are typed (state codes, middle initials).
class UpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
