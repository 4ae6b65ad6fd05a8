#pragma once

#include <vector>

#include <QString>
#include <QVariant>

struct ColumnInfo;

// A filter text turned into a WHERE clause with bound parameters. Values never become
// part of the SQL text.
struct ParsedFilter
{
    QString whereSql; // empty: every row
    std::vector<QVariant> parameters;
};

// Throws EngineError for a malformed filter or an unknown field.
ParsedFilter parseFilter(const QString &filter, const std::vector<ColumnInfo> &columns,
                         const QString &tableName);

// A value as a quoted filter text ("17", "say ""hi"""): whatever it holds, it stays one
// value and cannot change the filter's meaning. Every filter that carries a value is
// built with it.
QString quoteFilterText(const QString &value);
