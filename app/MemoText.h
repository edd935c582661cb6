#pragma once

#include <QString>

class QPlainTextEdit;

namespace app {

// Puts a note's text into the memo. Wrapping a line inside a single very long word costs
// the toolkit time that grows with the square of its length (minutes for a pasted megabyte
// without a blank), so such a text is shown unwrapped, with a horizontal scroll bar.
void setMemoText(QPlainTextEdit& memo, const QString& text);

// The longest run of characters in which a line cannot be broken.
qsizetype longestUnbreakableRun(const QString& text);

} // namespace app
