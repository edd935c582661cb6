#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

// What the file keeps of the reminders checked and shown, so that after a restart a reminder
// that fell due while the program was closed shows, and one already shown does not.
namespace store::reminderlog {

// A reminder that has been shown: its note (clip_id as text, empty when NULL) and its time
// as stored.
struct Shown {
    QByteArray note;
    QByteArray time;
    bool operator==(const Shown&) const = default;
};

// The note of a reminder row as Shown keeps it.
QByteArray noteKey(const Value& clipId);

// Reminders due after the returned text ("yyyy-MM-dd HH:mm:ss", compared with remind_time as
// text) were not checked yet; empty when the file keeps no check. A minute kept alone, as
// written before the second was kept, counts as checked to its end.
QString checkedUpTo(Query& modify);

// Every reminder the file keeps as shown; none when it has no such table.
std::vector<Shown> shown(Query& modify);

// Forgets that a reminder was shown: the user set it again.
void forget(Query& modify, const Shown& reminder);

// Keeps in one transaction the moment checked and the reminders shown (those already kept
// stay once); forgets what was shown of reminders set to another time since.
void keep(Database& database, Query& modify, const QDateTime& checked, const std::vector<Shown>& shownReminders);

} // namespace store::reminderlog
