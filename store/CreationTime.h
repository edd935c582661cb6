#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace store {

// The layout "hh:nn ddd, ddmmmyyyy" in which a note's creation time is stored and by which
// reminders fall due, e.g. "14:05 Sun, 06Dec2026". Day and month names are the locale's
// short names.
QString formatCreationTime(const QDateTime& moment, const QLocale& locale = QLocale());

} // namespace store
