#pragma once

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes as category names, descriptions and search texts through the
// statements that take user text, against a scratch notes file, and aborts when a table
// changes in any way the statement did not intend.
void fuzzStatementsOnce(const std::uint8_t* data, std::size_t size);
