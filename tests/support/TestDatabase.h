#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testing {

// A notes file in a fresh temporary folder, created by the program's own bootstrap.
class TestDatabase {
public:
    TestDatabase() : m_path(m_dir.filePath(QStringLiteral("clipdata.dat"))), m_database(m_path) {}

    const QString& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    store::Database& database() { return m_database; }

    // Runs one statement that returns no rows; parameters are not used.
    void exec(const QString& sql)
    {
        store::Query query(m_database);
        query.addLine(sql);
        query.execSql();
    }

    // The first column of the first row, as text ("" when there is none).
    QString scalar(const QString& sql)
    {
        store::Query query(m_database);
        query.addLine(sql);
        query.open();
        return query.recordCount() > 0 ? query.value(0, 0).toString() : QString();
    }

    // Inserts a note directly, as another program might have.
    void addNote(int id, const QString& groupId, const QString& createTime, const QString& content)
    {
        addNote(m_database, id, groupId, createTime, content);
    }
    static void addNote(store::Database& database, int id, const QString& groupId, const QString& createTime,
                        const QString& content)
    {
        store::Query query(database);
        query.addLine(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) "
                                     "values (%1,%2,'0',:t,:c,'')")
                          .arg(id)
                          .arg(groupId));
        query.setText(QStringLiteral("t"), createTime);
        query.setText(QStringLiteral("c"), content);
        query.execSql();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    store::Database m_database;
};

} // namespace testing
