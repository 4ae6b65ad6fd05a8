#pragma once

#include <QComboBox>

#include "field_link.h"

// An editable drop-down list of fixed entries bound to one field; the user may pick an
// entry or type. What it shows is what it stores: there is no inline completion that would
// show an entry while storing what was typed. With upper-casing on, letters are stored and
// shown as capitals.
class DBComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)

public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setDataField(const QString &name);
    QString dataField() const { return m_link.dataField(); }
    QString dataTable() const { return m_link.dataTable(); }
    void setEntries(const QStringList &entries);
    void setUpperCase(bool upper);
    bool upperCase() const { return m_upperCase; }
    FieldLink &link() { return m_link; }

private:
    void refresh();
    void onTextChanged(const QString &text);

    FieldLink m_link;
    bool m_upperCase = false;
    bool m_refreshing = false;
};
