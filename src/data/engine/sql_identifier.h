#pragma once

#include <QString>

// A table's or a column's name as SQL text names it: in double quotes, each quote inside
// doubled, so that whatever the name holds it stays one name.
inline QString quoteIdentifier(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}
