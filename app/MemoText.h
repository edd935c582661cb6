#pragma once

#include <QString>

class QPlainTextEdit;

namespace app {

// Puts a note's text into the memo. Wrapping a line inside a single very long word costs
// the toolkit time that grows with the square of its length (minutes for a pasted megabyte
// without a blank), so such a text is shown unwrapped, with a horizontal scroll bar. The memo
// remembers the text, for memoText().
void setMemoText(QPlainTextEdit& memo, const QString& text);

// What the memo holds, as the note is to store it. The memo shows every line end alike;
// the note keeps its own: a line end the user left alone stays as it was (CR LF, CR, LF), and
// one the user typed or pasted takes the note's most frequent kind (LF in a note without
// any). Non-breaking blanks stay non-breaking.
QString memoText(const QPlainTextEdit& memo);

// The longest run of characters in which a line cannot be broken.
qsizetype longestUnbreakableRun(const QString& text);

} // namespace app
