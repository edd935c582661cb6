#pragma once

#include <QByteArray>

struct sqlite3;

namespace store {

// now(): the local date-time of the program's clock as "YYYY-MM-DD HH:MM:SS", the form in
// which reminder times are stored. like(): % and _ wildcards, letters compared without
// regard to case in every script, not only in ASCII.
void registerSqlFunctions(sqlite3* handle);

// The matcher behind like(), on UTF-8 text; escape is 0 when none is given.
bool likeMatches(const QByteArray& pattern, const QByteArray& text, char32_t escape = 0);

} // namespace store
