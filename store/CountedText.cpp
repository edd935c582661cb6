#include "store/CountedText.h"

#include <QCoreApplication>
#include <QLocale>

namespace store {

namespace {

// The number put in as the toolkit puts it into a text that has no translation.
QString withNumber(const char* text, int n)
{
    return QString::fromUtf8(text)
        .replace(QLatin1String("%Ln"), QLocale().toString(n))
        .replace(QLatin1String("%n"), QString::number(n));
}

} // namespace

QString countedText(const char* context, const char* text, const char* one, int n)
{
    const QString translated = QCoreApplication::translate(context, text, nullptr, n);
    if (n == 1 && translated == withNumber(text, n))
        return withNumber(one, n);
    return translated;
}

} // namespace store
