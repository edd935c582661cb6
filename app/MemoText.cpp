#include "app/MemoText.h"

#include <QPlainTextEdit>

namespace app {

namespace {
constexpr qsizetype kLongestWrappedRun = 4000;
}

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
}

} // namespace app
