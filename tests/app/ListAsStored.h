#pragma once

// The note list as the file holds it, read with plain SQL, to hold the window's list against:
// newest first (notes written at one moment in the order they were written), a separator
// before each day's run, each note with its time of day and its text.
#include "app/NoteGrid.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

// One column of every row a statement of the test's own reads.
inline QStringList columnOf(store::Database& database, const QString& sql)
{
    store::Query query(database);
    query.addLine(sql);
    query.open();
    QStringList values;
    for (int row = 0; row < query.recordCount(); ++row)
        values << query.value(row, 0).toString();
    return values;
}

struct StoredRow {
    app::NoteGrid::RowKind kind;
    qint32 tag;
    QString time;
    QString text;
};

inline QList<StoredRow> listAsStored(store::Database& database, qint32 groupId)
{
    store::Query query(database);
    query.addLine(QStringLiteral("select id,create_time,content from notes_main where %1 order by record_time desc, "
                                 "rowid")
                      .arg(groupId == 0 ? QStringLiteral("group_id=0 or group_id is null")
                                        : QStringLiteral("group_id=%1").arg(groupId)));
    query.open();
    QList<StoredRow> rows;
    QString day;
    for (int row = 0; row < query.recordCount(); ++row) {
        const QString created = query.value(row, 1).toString();
        if (row == 0 || created.mid(6) != day) {
            day = created.mid(6);
            rows.append({app::NoteGrid::RowKind::Separator, 60000, QString(), day});
        }
        rows.append({app::NoteGrid::RowKind::Note, query.value(row, 0).toInt(), created.left(6),
                     query.value(row, 2).toString()});
    }
    return rows;
}

// Empty when the grid shows exactly the rows; else the first difference.
inline QString differenceFromGrid(const app::NoteGrid& grid, const QList<StoredRow>& rows)
{
    if (rows.isEmpty())
        return grid.rowCount() == 1 && grid.rowKind(0) == app::NoteGrid::RowKind::Blank
                   ? QString()
                   : QStringLiteral("an empty list shows %1 rows").arg(grid.rowCount());
    if (grid.rowCount() != rows.size())
        return QStringLiteral("the list has %1 rows, the file %2").arg(grid.rowCount()).arg(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const StoredRow& want = rows[row];
        const bool note = want.kind == app::NoteGrid::RowKind::Note;
        if (grid.rowKind(row) != want.kind || (note && grid.rowTag(row) != want.tag) ||
            grid.cellText(0, row) != want.time || grid.cellText(1, row) != want.text)
            return QStringLiteral("row %1 shows %2 \"%3\" \"%4\", the file has %5 \"%6\" \"%7\"")
                .arg(row)
                .arg(grid.rowTag(row))
                .arg(grid.cellText(0, row), grid.cellText(1, row).left(40))
                .arg(want.tag)
                .arg(want.time, want.text.left(40));
    }
    return {};
}

} // namespace testing
