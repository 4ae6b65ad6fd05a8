#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QString>

#include "data/engine/data_source.h"

// What every data-bound control shares: the data source and field it shows, reading the
// current value and writing a typed one. Typing puts the table into Edit, or into Insert
// when the table has no rows.
class FieldLink : public QObject
{
    Q_OBJECT

public:
    explicit FieldLink(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    void setDataField(const QString &name);
    QString dataField() const { return m_fieldName; }
    // The name of the bound table, empty while unbound.
    QString dataTable() const;

    // The field of the table's current row, when the table is open and has it.
    std::optional<Field> field() const;
    // The field's text, or the formatter's text when one is set; empty when unbound or
    // when the row cannot be read.
    QString text() const;
    void setFormatter(std::function<QString(const Field &)> formatter) { m_formatter = std::move(formatter); }
    bool isFloat() const;

    // Writes the typed text into the field; starts editing first when needed.
    void write(const QString &text);

signals:
    // The value shown should be read again (row moved, rows changed, state changed, or
    // the field was written by someone else).
    void refreshNeeded();

private:
    void onFieldChanged(int field);

    DataSource *m_source = nullptr;
    QString m_fieldName;
    std::function<QString(const Field &)> m_formatter;
    bool m_writing = false;
};
