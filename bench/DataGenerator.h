#pragma once

#include <QString>
#include <cstdint>

namespace bench {

struct GeneratedData {
    qint64 notes = 0;
    qint64 textBytes = 0; // UTF-8 bytes of all note texts
};

// Fills a notes file with n notes spread over many days and several categories, newest
// last; texts of 1 to 2,000 characters, some of many lines, some in non-Latin scripts.
// The same seed gives the same file. Most notes go to the Default category.
GeneratedData generateNotes(const QString& path, int n, std::uint32_t seed = 1);

} // namespace bench
