#include "widgets/PlainToolTip.h"

#include <QTextDocument>

namespace widgets {

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Qt::convertFromPlainText(lines, Qt::WhiteSpaceNormal);
}

} // namespace widgets
