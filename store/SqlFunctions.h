#pragma once

#include "store/LikePattern.h"

struct sqlite3;

namespace store {

// now(): the local date-time of the program's clock as "YYYY-MM-DD HH:MM:SS", the form in
// which reminder times are stored. like(): % and _ wildcards, letters compared without
// regard to case in every script, not only in ASCII.
void registerSqlFunctions(sqlite3* handle);

} // namespace store
