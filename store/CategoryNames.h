#pragma once

#include "store/Database.h"
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

// Notes of a category whose row another program deleted without moving them would be on no
// tab: they go to Default, as a category's notes do when it is deleted here. Returns how many
// moved; a busy or read-only file moves none and is asked again next time.
int moveStrayNotesToDefault(Database& database, Query& modify);

// The category a note written under `groupId` while the tab read `name` can be filed under
// now: `groupId` while a row holds that id under that name, else Default (the category was
// deleted, and its id may since have gone to another one). Run it inside the transaction
// that files the note.
qint32 sameCategoryOr0(Query& modify, qint32 groupId, const QString& name);

} // namespace store
