#!/usr/bin/env bash
# Writes a notes file of N notes with the sqlite3 shell alone, the way a script or another
# program might: the four tables with Quibbet's columns, the required rows, but none of the
# indexes Quibbet creates and the engine's default page size. About thirty notes a day from
# 1 January 2020, oldest first; categories Default, Work and Home in about 7:2:1; texts of 1
# to 2,000 characters, a fifth of them over several lines, some in non-Latin scripts. The
# same N always gives the same file (no random(): every choice is a hash of the id).
# Usage: bench/make_notes_plain.sh PATH N
set -euo pipefail
path=${1:?usage: make_notes_plain.sh PATH N}
count=${2:?usage: make_notes_plain.sh PATH N}
case $count in
    '' | *[!0-9]*) echo "make_notes_plain.sh: N must be a whole number, not '$count'" >&2; exit 2 ;;
esac
if [ -e "$path" ]; then
    echo "make_notes_plain.sh: $path exists already; it is left as it is" >&2
    exit 1
fi
command -v sqlite3 >/dev/null || { echo "make_notes_plain.sh: the sqlite3 shell is not installed" >&2; exit 1; }

# Written to a neighbour first, so an interrupted run leaves no half-filled file under PATH.
partial="$path.partial.$$"
trap 'rm -f "$partial" "$partial-journal"' EXIT

sqlite3 "$partial" >/dev/null <<SQL
pragma synchronous=off;
pragma journal_mode=off;
begin;
create table notes_main (id integer, group_id integer, isdone integer, create_time text, content text,
    account_id text, record_time text not null default (strftime('%Y-%m-%d %H:%M:%f','now')));
create table clip_groups (group_id integer, group_name text, description text);
create table remind (clip_id integer, remind_content text, remind_time text, type integer default 0,
    flag integer default 0);
create table options (optionname text, optionvalue integer);
insert into clip_groups values (1, 'Search', ''), (2, 'Work', 'work notes'), (3, 'Home', '');
insert into options values ('font_size', 0), ('font_style', 0), ('font_color', 0), ('font_charset', 0);

-- Two long texts that every note takes a piece of: one running on, one broken into lines.
create temp table base (words text, lines text);
insert into base
select replace(hex(zeroblob(30)), '00',
               'buy milk call meeting tomorrow project remember the and report invoice дом встреча '
               || '日本語 メモ שלום Ärger café 100% it''s '),
       replace(hex(zeroblob(30)), '00',
               'buy milk' || char(13, 10) || 'call meeting tomorrow' || char(13, 10) || 'project remember '
               || 'the report' || char(13, 10) || char(13, 10) || 'invoice дом встреча 日本語 メモ' || char(13, 10)
               || 'שלום Ärger café 100% it''s ');

insert into notes_main (id, group_id, isdone, create_time, content, account_id, record_time)
with recursive seq(id) as (select 1 union all select id + 1 from seq where id < $count),
note as (
    select id,
           (id * 2654435761) % 4294967296 as h,
           strftime('%s', '2020-01-01 08:00:00', 'utc') + id * 2880 as t
    from seq),
shaped as (
    select id, h, t, datetime(t, 'unixepoch', 'localtime') as lt,
           case when h % 100 < 60 then 1 + (h / 100) % 120
                when h % 100 < 90 then 120 + (h / 100) % 481
                else 600 + (h / 100) % 1401 end as len
    from note)
select id,
       case when (h / 7) % 10 < 7 then 0 when (h / 7) % 10 < 9 then 2 else 3 end,
       '0',
       strftime('%H:%M', lt) || ' ' || substr('SunMonTueWedThuFriSat', 1 + 3 * strftime('%w', lt), 3) || ', '
           || strftime('%d', lt) || substr('JanFebMarAprMayJunJulAugSepOctNovDec', 3 * strftime('%m', lt) - 2, 3)
           || strftime('%Y', lt),
       substr(case when (h / 11) % 5 = 0 then base.lines else base.words end, 1 + (h / 13) % 400, len),
       '',
       strftime('%Y-%m-%d %H:%M:%f', t, 'unixepoch')
from shaped, base;
commit;
SQL
mv "$partial" "$path"
echo "$count notes written to $path"
