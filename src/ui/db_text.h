#pragma once

#include "click_label.h"
#include "field_link.h"

// A read-only text showing one field of a data source, optionally through a formatter
// (the money totals show "$#,###.00").
class DBText : public ClickLabel
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)

public:
    explicit DBText(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &name) { m_link.setDataField(name); }
    QString dataField() const { return m_link.dataField(); }
    QString dataTable() const { return m_link.dataTable(); }
    void setFormatter(std::function<QString(const Field &)> formatter);
    FieldLink &link() { return m_link; }

private:
    void refresh();

    FieldLink m_link;
};
