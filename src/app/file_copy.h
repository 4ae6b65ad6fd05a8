#pragma once

// The one copy of the database file lives with the engine, which also keeps files aside
// before it recovers a database.
#include "data/engine/file_copy.h"
