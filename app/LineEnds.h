#pragma once

#include <QString>
#include <QStringView>

namespace app {

// A note's lines after an edit, with the note's own line ends. `lines` are the lines as the
// memo holds them, separated by U+2029; `opened` is the text the memo was filled with, whose
// lines may end in CR LF, CR or LF (or U+2029). Each line found unchanged and in order keeps
// its end; a changed line takes the end of the one it replaced; a line the user added (by
// Return, or by pasting) takes the kind of end the note uses most, LF in a note without any.
// A break typed with Shift+Enter (U+2028) in a changed line counts as an added line end.
QString withLineEndsOf(const QString& opened, QStringView lines);

} // namespace app
