#pragma once

#include <optional>

#include <QLineEdit>

#include "field_link.h"

class QLabel;

// A line edit bound to one field of a data source. What is typed is stored only when it is
// a value of the field's kind (an amount on a float field; a percent, a date or an initial
// where the window asks for one); anything else stays in the edit as typed, is not stored,
// turns the caption red and is reported when the edit loses the focus or when the window
// checks its typing before storing. With upper-casing on, letters are stored and shown as
// capitals.
class DBEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)

public:
    // What the edit takes. Free: the field's own kind (an amount on a float field, any text
    // otherwise).
    enum class Rule { Free, Percent, Date, PastDate, Initial };

    static constexpr double MaxAmount = 1e15;
    static const QString AmountRangeMessage;
    static const QString AmountMessage;
    // The property a button carries when it checks the typing itself (OK, Next, Previous,
    // Close): a click on it does not report a refusal twice.
    static const char *const ChecksTypingProperty;

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

    // True while the edit holds typing that was not stored.
    bool isRefused() const { return m_refused; }
    // Why the typing is refused; empty when it is not.
    QString refusal() const;
    // The name the messages give the field: its caption without "*" and ":".
    QString fieldName() const;

    // Reports the first edit of the window that holds refused typing (message, red caption,
    // focus) and returns its message; empty when every edit's typing was stored.
    static QString checkTyping(QWidget *window);
    // Drops the refused typing of the window's edits: they show their fields again.
    static void revertTyping(QWidget *window);
    void revert();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void updateValidator();
    void onEdited(const QString &text);
    // The value to store for the typed text, when it is one.
    std::optional<QString> storedForm(const QString &text) const;
    void report();
    void markCaption(bool refused);
    QLabel *caption() const;

    FieldLink m_link;
    bool m_upperCase = false;
    Rule m_rule = Rule::Free;
    bool m_refused = false;
};
