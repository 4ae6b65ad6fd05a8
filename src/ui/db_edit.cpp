#include "db_edit.h"

#include <cmath>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

#include "base/guarded.h"
#include "base/messages.h"
#include "typed_values.h"
#include "upper_case_validator.h"

const QString DBEdit::AmountRangeMessage =
    QStringLiteral("Please enter an amount between -1,000,000,000,000,000 and 1,000,000,000,000,000.");
const QString DBEdit::AmountMessage = QStringLiteral("Please enter an amount, for example 1,234.50.");
const char *const DBEdit::ChecksTypingProperty = "checksTyping";

namespace {

// The shortest text that reads back as the same double.
QString numberText(double value)
{
    const QString shortForm = QString::number(value, 'g', 15);
    return shortForm.toDouble() == value ? shortForm : QString::number(value, 'g', 17);
}

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
    if (m_refused) {
        const Table *table = m_link.dataSource() ? m_link.dataSource()->DataSet() : nullptr;
        const bool editing = table && table->Active() && table->state() != Table::State::Browse;
        if (editing)
            return;
        m_refused = false;
        markCaption(false);
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
    case Rule::PastDate: {
        const auto date = TypedValues::parseDate(text);
        if (!date || (m_rule == Rule::PastDate && *date >= QDate::currentDate()))
            return std::nullopt;
        return TypedValues::formatDate(*date);
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
    if (!m_refused)
        return QString();
    switch (m_rule) {
    case Rule::Percent:
        return QStringLiteral("Please enter \"%1\" as a percent from 0 to 100.").arg(fieldName());
    case Rule::Date:
        return QStringLiteral("Please enter \"%1\" as a date in the form mm/dd/yyyy.").arg(fieldName());
    case Rule::PastDate: {
        const auto date = TypedValues::parseDate(text());
        if (date)
            return QStringLiteral("Please enter \"%1\" as a date in the past.").arg(fieldName());
        return QStringLiteral("Please enter \"%1\" as a date in the form mm/dd/yyyy.").arg(fieldName());
    }
    case Rule::Initial:
        return QStringLiteral("Please enter \"%1\" as one letter.").arg(fieldName());
    case Rule::Free:
        break;
    }
    const auto value = TypedValues::parseAmount(text());
    return value ? AmountRangeMessage : AmountMessage;
}

QLabel *DBEdit::caption() const
{
    if (!parentWidget())
        return nullptr;
    for (QLabel *label : parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == this)
            return label;
    return nullptr;
}

QString DBEdit::fieldName() const
{
    const QLabel *label = caption();
    QString name = label ? label->text() : m_link.dataField();
    name.remove(u'*');
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

void DBEdit::markCaption(bool refused)
{
    QLabel *label = caption();
    if (!label)
        return;
    QPalette palette = label->palette();
    if (refused)
        palette.setColor(QPalette::WindowText, Qt::red);
    else
        palette.setColor(QPalette::WindowText, label->parentWidget()->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void DBEdit::onEdited(const QString &text)
{
    if (isReadOnly())
        return;
    const std::optional<QString> value = storedForm(text);
    if (!value) {
        // Kept as typed, stored nowhere; the user is told when leaving the edit.
        m_refused = true;
        return;
    }
    if (m_refused) {
        m_refused = false;
        markCaption(false);
    }
    m_link.write(*value);
}

void DBEdit::report()
{
    markCaption(true);
    Messages::current().show(Messages::Kind::Error, refusal());
}

void DBEdit::revert()
{
    m_refused = false;
    markCaption(false);
    setText(m_link.text());
}

void DBEdit::revertTyping(QWidget *window)
{
    for (DBEdit *edit : window->findChildren<DBEdit *>())
        if (edit->isRefused())
            edit->revert();
}

QString DBEdit::checkTyping(QWidget *window)
{
    for (DBEdit *edit : window->findChildren<DBEdit *>()) {
        if (!edit->isRefused() || !edit->isVisible())
            continue;
        edit->setFocus(Qt::OtherFocusReason);
        const QString message = edit->refusal();
        edit->report();
        return message;
    }
    return QString();
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_refused) {
        // A stored value shows in its stored form ("1/2/1970" as "01/02/1970").
        guarded([this] { refresh(); });
        return;
    }
    // Only the user moving on is told; a message box taking the focus is not a move.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason
        && reason != Qt::ShortcutFocusReason)
        return;
    // A click on a button that checks the typing reports it there, once.
    const QWidget *next = QApplication::focusWidget();
    if (reason == Qt::MouseFocusReason && next && next->property(ChecksTypingProperty).toBool())
        return;
    report();
}
