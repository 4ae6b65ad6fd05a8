#pragma once

#include <QLineEdit>

#include "field_link.h"

// A line edit bound to one field of a data source. On a float or currency field it takes
// only numbers (or nothing) of a magnitude up to MaxAmount; the beginning of a number
// ("-", "1e") may stand while it is typed; what does not end as an amount goes back to the
// value the field held when the edit took the focus. With upper-casing on, letters are stored and shown as capitals.
class DBEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)

public:
    static constexpr double MaxAmount = 1e15;
    static const QString AmountRangeMessage;

    explicit DBEdit(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setDataField(const QString &name);
    QString dataField() const { return m_link.dataField(); }
    QString dataTable() const { return m_link.dataTable(); }
    void setUpperCase(bool upper);
    bool upperCase() const { return m_upperCase; }
    FieldLink &link() { return m_link; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void updateValidator();
    void onEdited(const QString &text);

    FieldLink m_link;
    bool m_upperCase = false;
    // The stored value when the edit took the focus: what a refused number goes back to.
    QString m_textAtFocus;
};
