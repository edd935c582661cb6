#pragma once

#include <QDateTime>
#include <functional>

namespace store {

// The one source of the current time: creation texts, day grouping, reminders and the
// engine's now() all read it, so a test can stand at any moment it likes.
class Clock {
public:
    static QDateTime now();
    static void setSource(std::function<QDateTime()> source); // empty function: the real clock
};

} // namespace store
