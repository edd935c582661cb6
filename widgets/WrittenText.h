#pragma once

class QPlainTextEdit;

namespace widgets {

// Shows the user's own words in an edit as the note list shows them: emoji in colour, and
// each paragraph read from its own side (Arabic from the right, Latin text from the left).
void showAsWritten(QPlainTextEdit& edit);

} // namespace widgets
