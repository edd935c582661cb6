#include "widgets/PlainToolTip.h"

#include "widgets/EmojiPresentation.h"

namespace widgets {

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // pre-wrap keeps runs of blanks and the line breaks, yet wraps a long line.
    QString markup = QStringLiteral("<p style=\"white-space:pre-wrap\">");
    qsizetype done = 0;
    for (const TextStretch& emoji : emojiPresentationStretches(lines)) {
        markup += lines.mid(done, emoji.start - done).toHtmlEscaped();
        markup += QStringLiteral("<span style=\"font-family:emoji\">") +
                  lines.mid(emoji.start, emoji.length).toHtmlEscaped() + QStringLiteral("</span>");
        done = emoji.start + emoji.length;
    }
    return markup + lines.mid(done).toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace widgets
