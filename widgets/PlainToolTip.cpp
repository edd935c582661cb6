#include "widgets/PlainToolTip.h"

namespace widgets {

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // pre-wrap keeps runs of blanks and the line breaks, yet wraps a long line.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + lines.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace widgets
