#include "widgets/WrittenText.h"

#include "widgets/EmojiPresentation.h"
#include "widgets/ParagraphDirection.h"

#include <QPlainTextEdit>

namespace widgets {

void showAsWritten(QPlainTextEdit& edit)
{
    keepEmojiPresentation(edit.document());
    alignParagraphsByDirection(edit);
}

} // namespace widgets
