#include "app/MemoText.h"

#include "app/LineEnds.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace app {

namespace {

constexpr qsizetype kLongestWrappedRun = 4000;
// The text the memo was filled with, kept on the memo itself.
constexpr char kOpenedText[] = "openedText";

} // namespace

qsizetype longestUnbreakableRun(const QString& text)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char('-')) {
            run = 0;
        } else if (++run > longest) {
            longest = run;
        }
    }
    return longest;
}

void setMemoText(QPlainTextEdit& memo, const QString& text)
{
    const auto mode = longestUnbreakableRun(text) > kLongestWrappedRun ? QPlainTextEdit::NoWrap
                                                                       : QPlainTextEdit::WidgetWidth;
    if (memo.lineWrapMode() != mode) {
        memo.clear(); // re-wrapping the old text in the new mode would be wasted work
        memo.setLineWrapMode(mode);
    }
    memo.setPlainText(text);
    memo.setProperty(kOpenedText, text);
}

QString memoText(const QPlainTextEdit& memo)
{
    // The raw text, since the plain one turns non-breaking blanks into blanks.
    return withLineEndsOf(memo.property(kOpenedText).toString(), memo.document()->toRawText());
}

} // namespace app
