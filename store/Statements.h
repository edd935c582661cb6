#pragma once

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
// 4. The largest note id outside the Search category.
inline const QString selectMaxNoteId = QStringLiteral("select max(id) as max_id from notes_main where group_id<>1");
// 5. A new note; parameters :create_time and :content.
QString insertNote(qint32 newId, qint32 groupId);
// 6. A note's new text; parameter :content.
QString updateNoteContent(qint32 noteId);
// 7. Delete a note by id.
QString deleteNote(qint32 noteId);
// 8. The category of a tab; parameter :group_name.
inline const QString selectGroupByName =
    QStringLiteral("select group_id,description from clip_groups where group_name =:group_name");
// 9. The category row to rename or delete; parameter :group_name.
inline const QString selectGroupForChange =
    QStringLiteral("select group_id,group_name,description from clip_groups where group_name =:group_name");
// 10. Is a category name taken?
QString selectGroupNamed(const QString& name);
// 11. The largest category id.
inline const QString selectMaxGroupId = QStringLiteral("select max(group_id) as max_id from clip_groups");
// 12. A new category.
QString insertGroup(qint32 newId, const QString& name, const QString& description);
// 13. Drop the copies of the last search.
inline const QString deleteSearchCopies = QStringLiteral("delete from notes_main where group_id = 1");
// 14. Copy the notes that contain the text into the Search category.
QString copySearchMatches(const QString& searchText);
// 15. Reminders due later than now.
inline const QString selectDueReminders =
    QStringLiteral("select remind_content,remind_time,type,flag from remind where remind_time>now()");
// 16. The reminder row of a note.
QString selectReminderOfNote(qint32 noteId);
// 17. One stored option: key is font_size, font_style, font_color or font_charset.
QString selectOption(const QString& key);
// 18. Store one option; the parameter is named after the value it holds (e.g. afontsize).
QString updateOption(const QString& key);
// 19 and 20. The notes of a category for export: Default newest first, others in the store's order.
QString exportNotes(qint32 groupId);

} // namespace store::sql
