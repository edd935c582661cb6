#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace store {

// The layout "hh:nn ddd, ddmmmyyyy" in which a note's creation time is stored and by which
// reminders fall due, e.g. "14:05 Sun, 06Dec2026". Day and month names are the locale's
// short names.
QString formatCreationTime(const QDateTime& moment, const QLocale& locale = QLocale());

// Characters 1 to 6: the time shown in a list row. Characters 7 to 255: the day text.
QString creationTimeOfDay(const QString& createTime);
QString creationDayText(const QString& createTime);

} // namespace store
