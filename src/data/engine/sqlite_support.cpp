#include "sqlite_support.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

EngineError engineError(const SQLite::Exception &failure)
{
    return EngineError(QString::fromUtf8(failure.what()));
}

void bindValue(SQLite::Statement &statement, int position, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        statement.bind(position);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        statement.bind(position, static_cast<int64_t>(value.toLongLong()));
        break;
    case QMetaType::Double:
        statement.bind(position, value.toDouble());
        break;
    default:
        statement.bind(position, value.toString().toStdString());
        break;
    }
}

QVariant columnValue(const SQLite::Column &column)
{
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return QVariant(qint64(column.getInt64()));
    case SQLITE_FLOAT:
        return QVariant(column.getDouble());
    case SQLITE_TEXT:
    case SQLITE_BLOB:
        return QVariant(QString::fromUtf8(static_cast<const char *>(column.getBlob()), column.getBytes()));
    default:
        return QVariant();
    }
}
