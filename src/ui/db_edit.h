#pragma once

#include <optional>

#include <QLineEdit>

#include "field_link.h"
#include "typed_control.h"

// A line edit bound to one field of a data source. What is typed is stored only when it is
// a value of the field's kind (an amount on a float field; a percent, a date or an initial
// where the window asks for one); anything else is refused as TypedControl describes. With
// upper-casing on, letters are stored and shown as capitals.
class DBEdit : public QLineEdit, public TypedControl
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)

public:
    // What the edit takes. Free: the field's own kind (an amount on a float field, any text
    // otherwise). PastDate: before today; UpToToday: today or before.
    enum class Rule { Free, Percent, Date, PastDate, UpToToday, Initial };

    static const QString AmountRangeMessage;
    static const QString AmountMessage;

    explicit DBEdit(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setDataField(const QString &name);
    QString dataField() const { return m_link.dataField(); }
    QString dataTable() const { return m_link.dataTable(); }
    void setUpperCase(bool upper);
    bool upperCase() const { return m_upperCase; }
    void setRule(Rule rule) { m_rule = rule; }
    Rule rule() const { return m_rule; }
    FieldLink &link() { return m_link; }

    QString refusal() const override;
    void revert() override;

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void updateValidator();
    void onEdited(const QString &text);
    // The value to store for the typed text, when it is one.
    std::optional<QString> storedForm(const QString &text) const;

    FieldLink m_link;
    bool m_upperCase = false;
    Rule m_rule = Rule::Free;
};
