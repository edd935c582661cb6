#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace store {

// The layout "hh:nn ddd, ddmmmyyyy" in which a note's creation time is stored and by which
// reminders fall due, e.g. "14:05 Sun, 06Dec2026". Day and month names are the locale's
// short names: English ones unless told otherwise, whatever the desktop's language, so that a
// file two machines share keeps one text for one day and reads the same everywhere.
QString formatCreationTime(const QDateTime& moment, const QLocale& locale = QLocale::c());

} // namespace store
