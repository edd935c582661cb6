#pragma once

#include <QList>
#include <QString>

// Every statement the program issues, in one place. Numbers are joined in decimal; text the
// user typed goes in as a named parameter or through quoted(), never as it stands.
namespace store::sql {

// An SQL string literal: enclosed in single quotes, each single quote inside doubled.
QString quoted(const QString& text);

// 1. Category captions at start-up.
inline const QString selectGroupNames = QStringLiteral("select group_name from clip_groups");
// 2 and 3. The note list of a category, newest first; also the export of the Default category (19).
QString listNotes(qint32 groupId);
// The same list as row ids, note ids and creation texts, in the same order (ties, such as
// the copies of one search, in the order they were written); the texts are read by row id.
QString listNoteRows(qint32 groupId);
// The condition that puts a note in a category's list.
QString listCondition(qint32 groupId);
// A Search copy's id is this plus the id of the note it was copied from. Copies live in
// category 1 and real notes never do, so an id is only ever looked up together with its side:
// a copy and a real note may carry the same number once real ids pass this value.
constexpr qint32 kCopyIdOffset = 60000;
enum class Side { Real, Copy };
// The condition that keeps a statement on one side.
QString sideCondition(Side side);

// 4. The largest id among real notes (those without a category count too).
inline const QString selectMaxNoteId =
    QStringLiteral("select max(id) as max_id from notes_main where group_id is null or group_id<>1");
// 5. A new note; parameters :create_time and :content.
QString insertNote(qint32 newId, qint32 groupId);
// 6. A note's new text; parameter :content.
QString updateNoteContent(qint32 noteId, Side side);
// A search copy tied to another note: its id becomes `newCopyId`; parameter :content.
QString retieCopy(qint32 copyId, qint32 newCopyId);
// 7. Delete a note by id.
QString deleteNote(qint32 noteId, Side side);
// A whole note row, to keep for Undo and to put back exactly as it was.
QString selectWholeNote(qint32 noteId, Side side);
// Parameters :id, :group_id, :isdone, :create_time, :content, :account_id, :record_time.
inline const QString restoreNote =
    QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                   "values (:id,:group_id,:isdone,:create_time,:content,:account_id,:record_time)");
// Whether a note of that side holds the id.
QString selectNoteIdTaken(qint32 noteId, Side side);
// A real note written at that creation time with that text; parameters :create_time, :content.
inline const QString selectNoteWritten =
    QStringLiteral("select id from notes_main where create_time=:create_time and content=:content "
                   "and (group_id is null or group_id<>1)");
// Every category with its id, in the file's order.
inline const QString selectGroups = QStringLiteral("select group_id,group_name from clip_groups");
// 8. The category of a tab; parameter :group_name.
inline const QString selectGroupByName =
    QStringLiteral("select group_id,description from clip_groups where group_name =:group_name");
// 9. The category row to rename or delete; parameter :group_name.
inline const QString selectGroupForChange =
    QStringLiteral("select group_id,group_name,description from clip_groups where group_name =:group_name");
// 10. Is a category name taken?
QString selectGroupNamed(const QString& name);
// 11. The largest category id, counting the categories the notes name as well as the rows
// of clip_groups: a new category never lists notes left behind by one deleted before.
inline const QString selectMaxGroupId =
    QStringLiteral("select max(max_id) as max_id from (select max(group_id) as max_id from clip_groups "
                   "union all select max(group_id) from notes_main where group_id is not null)");
// The ids of a category's notes, and moving them between categories by id.
QString selectNotesOfGroup(qint32 groupId);
QString moveNotesToGroup(const QList<qint32>& noteIds, qint32 fromGroupId, qint32 toGroupId);
// A category's row by id.
QString selectGroupById(qint32 groupId);
// Notes filed under a category id that has no row (another program deleted the row and left
// them): whether there are any, and moving them to Default. The ids the notes name are
// walked with one index seek each, so a million notes in a few categories cost a few seeks.
inline const QString selectAnyStrayNote = QStringLiteral(
    "with recursive named(group_id) as (select min(group_id) from notes_main where group_id > 1 union all "
    "select (select min(group_id) from notes_main where group_id > named.group_id) from named "
    "where named.group_id is not null) "
    "select group_id from named where group_id is not null "
    "and group_id not in (select group_id from clip_groups where group_id is not null) limit 1");
inline const QString moveStrayNotesToDefault = QStringLiteral(
    "with recursive named(group_id) as (select min(group_id) from notes_main where group_id > 1 union all "
    "select (select min(group_id) from notes_main where group_id > named.group_id) from named "
    "where named.group_id is not null) "
    "update notes_main set group_id = 0 where group_id > 1 and group_id in (select group_id from named) "
    "and group_id not in (select group_id from clip_groups where group_id is not null)");
// 12. A new category.
QString insertGroup(qint32 newId, const QString& name, const QString& description);
// 13. Drop the copies of the last search.
inline const QString deleteSearchCopies = QStringLiteral("delete from notes_main where group_id = 1");
// 14. Copy the notes that contain the text into the Search category.
QString copySearchMatches(const QString& searchText);
// The real notes that a search copies into the Search category, newest first, read where
// they are (a script's search leaves the Search category as it was); parameter :pattern.
inline const QString selectSearchMatches =
    QStringLiteral("select id,create_time,content from notes_main where (group_id is null or group_id<>1) "
                   "and content like :pattern order by record_time desc");
// 15. Reminders due later than now.
inline const QString selectDueReminders =
    QStringLiteral("select remind_content,remind_time,type,flag,clip_id from remind where remind_time>now()");
// The same, read again while the program runs: every reminder not yet due at the last check
// (parameter :since, the moment checked last, "yyyy-MM-dd HH:mm" with or without seconds), so that one falling
// due since is not skipped.
inline const QString selectRemindersSince =
    QStringLiteral("select remind_content,remind_time,type,flag,clip_id from remind where remind_time>:since");
// The minute the pending reminders were last checked in, kept in the file so that a reminder
// falling due while the program is not running shows at its next start. Files written
// before have no such row. Parameter :checked, "yyyy-MM-dd HH:mm" (local time).
inline const QString selectRemindersChecked =
    QStringLiteral("select optionvalue from options where optionname='reminders_checked'");
inline const QString deleteRemindersChecked =
    QStringLiteral("delete from options where optionname='reminders_checked'");
inline const QString insertRemindersChecked =
    QStringLiteral("insert into options (optionname,optionvalue) values ('reminders_checked',:checked)");
// The moment of that check to the second ("yyyy-MM-dd HH:mm:ss"), beside the minute that
// programs reading the row above expect. It refines the minute only while both name the same
// one: a program that writes only the minute has checked since. Parameter :checked.
inline const QString selectRemindersCheckedAt =
    QStringLiteral("select optionvalue from options where optionname='reminders_checked_at'");
inline const QString deleteRemindersCheckedAt =
    QStringLiteral("delete from options where optionname='reminders_checked_at'");
inline const QString insertRemindersCheckedAt =
    QStringLiteral("insert into options (optionname,optionvalue) values ('reminders_checked_at',:checked)");
// The reminders that have been shown, each by its note and its time: one shown never shows
// again, whatever the clock does; a note's reminder set to another time is a new one. Other
// programs pass the table by.
inline const QString createShownReminders = QStringLiteral(
    "create table if not exists reminders_shown (clip_id integer, remind_time text, unique (clip_id, remind_time))");
inline const QString selectShownRemindersTable =
    QStringLiteral("select name from sqlite_master where type='table' and name='reminders_shown'");
inline const QString selectShownReminders = QStringLiteral("select clip_id,remind_time from reminders_shown");
// Parameters :clip_id, :remind_time; nothing is added when the row is there.
inline const QString insertShownReminder =
    QStringLiteral("insert into reminders_shown (clip_id,remind_time) select :clip_id,:remind_time where not "
                   "exists (select 1 from reminders_shown where clip_id is :clip_id and remind_time is :remind_time)");
// A reminder set again by the user is a new one, also at a time it had before.
// Parameters :clip_id, :remind_time.
inline const QString deleteShownReminder =
    QStringLiteral("delete from reminders_shown where clip_id is :clip_id and remind_time is :remind_time");
// What was shown of reminders set to another time since. A deleted note's stays: Undo brings
// the note back with its reminder.
inline const QString deleteShownRemindersChanged = QStringLiteral(
    "delete from reminders_shown where exists (select 1 from remind where remind.clip_id is reminders_shown.clip_id) "
    "and not exists (select 1 from remind where remind.clip_id is reminders_shown.clip_id and "
    "remind.remind_time is reminders_shown.remind_time)");
// Whether a reminder of the snapshot is still stored when its minute comes: deleting its
// note here or in another program takes it away meanwhile. (A row whose note went long ago,
// in files written before reminders left with their notes, still shows.)
// Parameters :clip_id, :remind_time, :remind_content.
inline const QString selectReminderStillStored =
    QStringLiteral("select count(*) as stored from remind where clip_id is :clip_id and remind_time is "
                   ":remind_time and remind_content is :remind_content");
// 16. The reminder row of a note.
QString selectReminderOfNote(qint32 noteId);
// Every reminder row of a note with all its columns, and dropping them (a deleted note's
// reminder goes with it and comes back with it).
QString selectWholeReminders(qint32 noteId);
QString deleteRemindersOfNote(qint32 noteId);
// Parameters :clip_id, :remind_content, :remind_time, :type, :flag.
inline const QString restoreReminder =
    QStringLiteral("insert into remind (clip_id,remind_content,remind_time,type,flag) "
                   "values (:clip_id,:remind_content,:remind_time,:type,:flag)");
// 17. One stored option: key is font_size, font_style, font_color or font_charset.
QString selectOption(const QString& key);
// 18. Store one option; the parameter is named after the value it holds (e.g. afontsize).
QString updateOption(const QString& key);
// 19 and 20. The notes of a category for export: Default newest first, others in the store's order.
QString exportNotes(qint32 groupId);
// Deleted notes and categories kept for Undo in later runs (see RecentlyDeleted.h). Other
// programs pass the table by.
inline const QString createKeptTable = QStringLiteral(
    "create table if not exists recently_deleted (key integer primary key, deleted_at text, kind text, payload text)");
// Whether the file has the table at all.
inline const QString selectKeptTable =
    QStringLiteral("select name from sqlite_master where type='table' and name='recently_deleted'");
// Parameters :deleted_at ("yyyy-MM-dd HH:mm:ss", UTC), :kind ("note" or "category"), :payload.
inline const QString insertKept =
    QStringLiteral("insert into recently_deleted (deleted_at,kind,payload) values (:deleted_at,:kind,:payload)");
// The key the last insert was given.
inline const QString selectLastKey = QStringLiteral("select last_insert_rowid() as key");
QString deleteKept(qint64 key);
// Items deleted before `oldest` are dropped (when there are any: the drop takes the write
// lock), those since are read oldest first.
QString selectAnyKeptBefore(const QString& oldest);
QString deleteKeptBefore(const QString& oldest);
QString selectKeptSince(const QString& oldest);

} // namespace store::sql
