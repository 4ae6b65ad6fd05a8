#include "data_source.h"

DataSource::DataSource(Table *table, QObject *parent) : QObject(parent)
{
    setDataSet(table);
}

DataSource::~DataSource()
{
    if (m_table)
        m_table->removeListener(this);
}

void DataSource::setDataSet(Table *table)
{
    if (m_table)
        m_table->removeListener(this);
    m_table = table;
    if (m_table)
        m_table->addListener(this);
}

void DataSource::tableChanged(TableEvent event, int field)
{
    switch (event) {
    case TableEvent::RowsChanged:
        emit rowsChanged();
        emit currentChanged();
        break;
    case TableEvent::Scrolled:
        emit currentChanged();
        break;
    case TableEvent::StateChanged:
        emit stateChanged();
        break;
    case TableEvent::FieldChanged:
        emit fieldChanged(field);
        break;
    }
}
