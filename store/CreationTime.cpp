#include "store/CreationTime.h"

namespace store {

QString formatCreationTime(const QDateTime& moment, const QLocale& locale)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); };
    // Joined piece by piece: a locale's names are never read as placeholders.
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(' ') +
           locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1String(", ") + twoDigits(date.day()) +
           locale.monthName(date.month(), QLocale::ShortFormat) +
           QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

} // namespace store
