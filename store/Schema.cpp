#include "store/Schema.h"

namespace store::schema {

namespace {
// record_time is UTC with milliseconds, so a change of daylight-saving time never reorders
// notes. Each list is read straight off an index in its order, without sorting: the Default
// category (0 or NULL) off its own partial index, every other category off the
// (group_id, record_time desc) index, which lists rows that share one time (the copies one
// search makes) in the order they were inserted.
const QStringList kCreate = {
    QStringLiteral("create table notes_main (id integer, group_id integer, isdone integer, create_time text, "
                   "content text, account_id text, "
                   "record_time text not null default (strftime('%Y-%m-%d %H:%M:%f','now')))"),
    QStringLiteral("create index notes_main_by_group_time on notes_main (group_id, record_time desc) "
                   "where group_id is not null"),
    QStringLiteral("create index notes_main_default_by_time on notes_main (record_time desc) "
                   "where group_id =0 or group_id is null"),
    QStringLiteral("create index notes_main_by_id on notes_main (id)"),
    QStringLiteral("create table clip_groups (group_id integer, group_name text, description text)"),
    QStringLiteral("create table remind (clip_id integer, remind_content text, remind_time text, "
                   "type integer default 0, flag integer default 0)"),
    QStringLiteral("create index remind_by_clip on remind (clip_id)"),
    QStringLiteral("create index remind_by_time on remind (remind_time)"),
    QStringLiteral("create table options (optionname text, optionvalue integer)"),
    QStringLiteral("insert into clip_groups (group_id, group_name, description) values (1, 'Search', '')"),
    QStringLiteral("insert into options (optionname, optionvalue) values "
                   "('font_size', 0), ('font_style', 0), ('font_color', 0), ('font_charset', 0)"),
};

const std::vector<RequiredTable> kRequired = {
    {QStringLiteral("notes_main"),
     {QStringLiteral("id"), QStringLiteral("group_id"), QStringLiteral("isdone"), QStringLiteral("create_time"),
      QStringLiteral("content"), QStringLiteral("account_id"), QStringLiteral("record_time")}},
    {QStringLiteral("clip_groups"),
     {QStringLiteral("group_id"), QStringLiteral("group_name"), QStringLiteral("description")}},
    {QStringLiteral("remind"),
     {QStringLiteral("clip_id"), QStringLiteral("remind_content"), QStringLiteral("remind_time"),
      QStringLiteral("type"), QStringLiteral("flag")}},
    {QStringLiteral("options"), {QStringLiteral("optionname"), QStringLiteral("optionvalue")}},
};
} // namespace

QStringList creationStatements() { return kCreate; }

QStringList listIndexStatements()
{
    QStringList statements;
    for (const QString& statement : kCreate) {
        if (statement.startsWith(QLatin1String("create index notes_main_")))
            statements << QStringLiteral("create index if not exists ") + statement.mid(int(qstrlen("create index ")));
    }
    return statements;
}

const std::vector<RequiredTable>& requiredTables() { return kRequired; }

} // namespace store::schema
