#pragma once

#include "store/Query.h"

#include <QString>

namespace store {

// The longest name a category may have, in characters.
constexpr int kCategoryNameLength = 31;

// Two category names that differ only in case or in blanks at either end look alike on a
// tab, so they count as one name.
QString categoryNameKey(const QString& name);

// Default, Search and *New: tabs that are no category of their own, or that the search
// finds by name.
bool isReservedCategoryName(const QString& name);

// Whether a category other than the one named `ownName` has a name that looks like `name`.
bool categoryNameTaken(Query& modify, const QString& name, const QString& ownName = {});

// `name`, or when it is taken "name (2)", "name (3)"..., within the longest name a category
// may have.
QString freeCategoryName(Query& modify, const QString& name);

} // namespace store
