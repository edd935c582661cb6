#pragma once

#include <QStringView>
#include <Qt>

class QPlainTextEdit;

namespace widgets {

// A paragraph of Arabic or Hebrew reads from the right and stands at the right; one of Latin
// text, from the left. Each paragraph of a note decides for itself by its first letter of a
// strong direction (text inside an isolate such as U+2068 ... U+2069 does not count), so a
// note may mix both. A paragraph without such a letter (digits, blanks, nothing) takes
// `otherwise`.
Qt::LayoutDirection paragraphDirection(QStringView paragraph, Qt::LayoutDirection otherwise);

// The side a paragraph of that direction stands at. The toolkit's text layout takes left
// and right literally, whatever the direction, so this is an absolute side.
Qt::Alignment paragraphAlignment(Qt::LayoutDirection direction);

// Gives each paragraph of the edit its own direction and the side that goes with it, while it
// is edited too.
void alignParagraphsByDirection(QPlainTextEdit& edit);

} // namespace widgets
