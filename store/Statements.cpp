#include "store/Statements.h"

namespace store::sql {

namespace {
const QString kNoteColumns = QStringLiteral("select id,create_time,content from notes_main where group_id =");
const QString kInsertNoteHead =
    QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) ");

// Statement 18 names its parameter after the option, e.g. font_size -> afontsize.
QString parameterOf(const QString& key)
{
    return QStringLiteral("afont") + key.mid(int(qstrlen("font_")));
}
} // namespace

QString quoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString listNotes(qint32 groupId)
{
    if (groupId == 0)
        return QStringLiteral("select id,create_time,content from notes_main where group_id =0 or group_id is null "
                              "order by record_time desc");
    return kNoteColumns + QString::number(groupId) + QStringLiteral(" order by record_time desc");
}

QString listCondition(qint32 groupId)
{
    if (groupId == 0)
        return QStringLiteral("group_id =0 or group_id is null");
    return QStringLiteral("group_id =") + QString::number(groupId);
}

QString listNoteRows(qint32 groupId)
{
    return QStringLiteral("select _rowid_,id,create_time from notes_main where ") + listCondition(groupId) +
           QStringLiteral(" order by record_time desc, _rowid_");
}

QString insertNote(qint32 newId, qint32 groupId)
{
    return kInsertNoteHead + QStringLiteral("values (") + QString::number(newId) + QLatin1Char(',') +
           QString::number(groupId) + QStringLiteral(",'0',:create_time,:content,'')");
}

QString sideCondition(Side side)
{
    return side == Side::Copy ? QStringLiteral(" and group_id=1")
                              : QStringLiteral(" and (group_id is null or group_id<>1)");
}

QString updateNoteContent(qint32 noteId, Side side)
{
    return QStringLiteral("update notes_main set content = :content where id = ") + QString::number(noteId) +
           sideCondition(side);
}

QString retieCopy(qint32 copyId, qint32 newCopyId)
{
    return QStringLiteral("update notes_main set id = ") + QString::number(newCopyId) +
           QStringLiteral(", content = :content where id = ") + QString::number(copyId) + sideCondition(Side::Copy);
}

QString deleteNote(qint32 noteId, Side side)
{
    return QStringLiteral("delete from notes_main where id =") + QString::number(noteId) + sideCondition(side);
}

QString selectWholeNote(qint32 noteId, Side side)
{
    return QStringLiteral("select id,group_id,isdone,create_time,content,account_id,record_time from notes_main "
                          "where id =") +
           QString::number(noteId) + sideCondition(side);
}

QString selectNoteIdTaken(qint32 noteId, Side side)
{
    return QStringLiteral("select id from notes_main where id =") + QString::number(noteId) + sideCondition(side);
}

QString selectNotesOfGroup(qint32 groupId)
{
    return QStringLiteral("select id from notes_main where group_id =") + QString::number(groupId);
}

QString moveNotesToGroup(const QList<qint32>& noteIds, qint32 fromGroupId, qint32 toGroupId)
{
    QStringList ids;
    ids.reserve(noteIds.size());
    for (const qint32 id : noteIds)
        ids << QString::number(id);
    return QStringLiteral("update notes_main set group_id =") + QString::number(toGroupId) +
           QStringLiteral(" where group_id =") + QString::number(fromGroupId) + QStringLiteral(" and id in (") +
           ids.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString selectGroupById(qint32 groupId)
{
    return QStringLiteral("select group_id,group_name,description from clip_groups where group_id =") +
           QString::number(groupId);
}

QString selectWholeReminders(qint32 noteId)
{
    return QStringLiteral("select clip_id,remind_content,remind_time,type,flag from remind where clip_id=") +
           QString::number(noteId);
}

QString deleteRemindersOfNote(qint32 noteId)
{
    return QStringLiteral("delete from remind where clip_id=") + QString::number(noteId);
}

QString selectGroupNamed(const QString& name)
{
    return QStringLiteral("select group_name from clip_groups where group_name =") + quoted(name);
}

QString insertGroup(qint32 newId, const QString& name, const QString& description)
{
    return QStringLiteral("insert into clip_groups(group_id,group_name,description) values (") +
           QString::number(newId) + QLatin1Char(',') + quoted(name) + QLatin1Char(',') + quoted(description) +
           QLatin1Char(')');
}

QString copySearchMatches(const QString& searchText)
{
    return kInsertNoteHead + QStringLiteral("select ") + QString::number(kCopyIdOffset) +
           QStringLiteral("+id,1,0,create_time,content,account_id from notes_main where content like ") +
           quoted(QLatin1Char('%') + searchText + QLatin1Char('%')) + QStringLiteral(" order by record_time desc");
}

QString selectReminderOfNote(qint32 noteId)
{
    return QStringLiteral("select remind_content,remind_time,clip_id from remind where clip_id=") +
           QString::number(noteId);
}

QString selectOption(const QString& key)
{
    return QStringLiteral("select optionvalue from options where optionname='") + key + QLatin1Char('\'');
}

QString updateOption(const QString& key)
{
    return QStringLiteral("update options set optionvalue =:") + parameterOf(key) +
           QStringLiteral(" where optionname='") + key + QLatin1Char('\'');
}

QString exportNotes(qint32 groupId)
{
    if (groupId == 0)
        return listNotes(0);
    return kNoteColumns + QString::number(groupId);
}

QString deleteKept(qint64 key)
{
    return QStringLiteral("delete from recently_deleted where key=") + QString::number(key);
}

QString selectAnyKeptBefore(const QString& oldest)
{
    return QStringLiteral("select 1 from recently_deleted where deleted_at < ") + quoted(oldest) +
           QStringLiteral(" limit 1");
}

QString deleteKeptBefore(const QString& oldest)
{
    return QStringLiteral("delete from recently_deleted where deleted_at < ") + quoted(oldest);
}

QString selectKeptSince(const QString& oldest)
{
    return QStringLiteral("select key,deleted_at,kind,payload from recently_deleted where deleted_at >= ") +
           quoted(oldest) + QStringLiteral(" order by key");
}

} // namespace store::sql
