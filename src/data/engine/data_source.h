#pragma once

#include <QObject>

#include "table.h"

// Links one table to the controls bound to it: it turns the table's events into signals.
class DataSource : public QObject, private TableListener
{
    Q_OBJECT

public:
    explicit DataSource(Table *table = nullptr, QObject *parent = nullptr);
    ~DataSource() override;

    void setDataSet(Table *table);
    Table *DataSet() const { return m_table; }

signals:
    void rowsChanged();
    void currentChanged();
    void stateChanged();
    void fieldChanged(int field);

private:
    void tableChanged(TableEvent event, int field) override;

    Table *m_table = nullptr;
};
