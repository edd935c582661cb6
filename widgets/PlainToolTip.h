#pragma once

#include <QString>

namespace widgets {

// A tooltip takes text that merely looks like markup as markup. Notes and category
// descriptions are the user's own words: this turns them into markup that shows them as
// typed (line breaks and runs of blanks kept) and never loads a picture a note names.
// Emoji are drawn in colour, as in the list. Empty text stays empty, so that no tooltip shows.
QString plainToolTip(const QString& text);

} // namespace widgets
