#pragma once

#include <QVariant>

#include "engine_error.h"

namespace SQLite {
class Column;
class Exception;
class Statement;
}

// What the engine's own files share of SQLite; nothing outside the engine includes it.

// The one conversion of SQLite's exception into the engine's: its message is SQLite's.
EngineError engineError(const SQLite::Exception &failure);

// Binds a value at a position from 1: an invalid or null value as NULL, whole numbers as
// integers, floating-point numbers as reals, anything else as its text.
void bindValue(SQLite::Statement &statement, int position, const QVariant &value);

// A stored value as the engine reads it: qint64, double, the whole text (a NUL inside
// included) or an invalid QVariant for NULL.
QVariant columnValue(const SQLite::Column &column);
