#pragma once

#include <QComboBox>

#include "field_link.h"

// An editable drop-down list of fixed entries bound to one field; the user may pick an
// entry or type. With upper-casing on, what is typed is stored in capitals.
class DBComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &name) { m_link.setDataField(name); }
    void setEntries(const QStringList &entries);
    void setUpperCase(bool upper) { m_upperCase = upper; }
    FieldLink &link() { return m_link; }

private:
    void refresh();
    void onTyped(const QString &text);
    void onPicked(int index);

    FieldLink m_link;
    bool m_upperCase = false;
    bool m_refreshing = false;
};
