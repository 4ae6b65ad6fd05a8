#pragma once

#include <QLineEdit>

#include "field_link.h"

// A line edit bound to one field of a data source. On a float or currency field it
// accepts only text that reads as a number (or nothing).
class DBEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit DBEdit(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &name) { m_link.setDataField(name); }
    FieldLink &link() { return m_link; }

private:
    void refresh();
    void onEdited(const QString &text);

    FieldLink m_link;
};
