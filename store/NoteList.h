#pragma once

#include "store/NoteListReader.h"
#include "store/NoteRows.h"
#include "store/RowCursor.h"

#include <QCache>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Database;

// The list of one category's notes that the window shows, with the cursor that Prior and
// Next move (at-begin and at-end flags, as a query's). It holds a few bytes per note; the
// texts are read by row id when wanted and the recent ones kept, so memory follows the
// screen, not the file. A change this process makes to the notes is taken up row by row;
// anything else reads the list again, its first screen at once and the rest on a thread.
class NoteList {
public:
    NoteList(Database& database);
    ~NoteList();
    NoteList(const NoteList&) = delete;
    NoteList& operator=(const NoteList&) = delete;

    // How many rows are read before the list is first shown; the rest follow on a thread.
    static constexpr int kFirstRows = 160;
    void setFirstRows(int rows) { m_firstRows = rows; }

    // Brings the list up to date for the category: row by row when only this process's
    // changes to a few notes stand between it and the file, else read again. Throws StoreError.
    void refresh(qint32 groupId);
    // The whole list again, whatever changed.
    void reread(qint32 groupId);
    // Called on the reading thread when the rest of the list has been read, with the
    // generation of the read; a read since then has a later one.
    std::function<void(int generation)> onRestRead;
    int generation() const { return m_generation; }
    // Takes the rest of the list once it has been read (waiting for it if need be), and
    // the changes made meanwhile. Returns false when there was nothing to take. Throws
    // StoreError when the read broke off; the rows read until then are kept.
    bool takeRest();
    bool complete() const { return !m_reader.pending(); }
    // Whether another process has written the file, or put another file in its place, since
    // the list was read: its rows may be stale until the next refresh.
    bool changedElsewhere();
    // Counts the times the rows changed other than by the rest of a read being added.
    int layout() const { return m_layout; }

    const NoteRows& rows() const { return m_rows; }

    // The cursor.
    bool isOpen() const { return m_open; }
    int recordCount() const { return m_rows.size(); }
    int recNo() const { return int(m_cursor.row); }
    bool bof() const { return m_cursor.bof; }
    bool eof() const { return m_cursor.eof; }
    void first();
    void next();
    void prior();
    // Moves to the first note with the id; false, and the cursor stays, when none has it.
    bool locateId(qint32 id);
    // After a rebuild: on the first note with the id, as walking from the first row with
    // next() would leave it; false (and at the end) when no note has it.
    bool seekId(qint32 id);

    // Columns of the note under the cursor: id, create_time, content.
    qint32 fieldAsInteger(const QString& column) const;
    QString fieldAsString(const QString& column) const;

    // The creation text and the text of a note, read by row id and kept while there is room.
    QByteArray createTime(int note) const;
    QByteArray content(int note) const;

private:
    struct Texts {
        QByteArray createTime;
        QByteArray content;
    };
    static void changed(void* self, int operation, const char* database, const char* table, long long rowId);
    void attach();
    void detach();
    // The notes file was replaced and followed since the list was read: its rows are another
    // file's.
    bool replacedSinceRead() const;
    // What was prepared or hooked on the connection to a replaced file is let go.
    void leaveReplacedConnection() const;
    void finalizeStatements() const;
    qint64 dataVersion();
    const Texts& texts(int note) const;
    void applyChanges();
    int positionFor(qint64 rowId) const;
    int indexOfId(qint32 id);
    bool idInList(qint32 id);
    sqlite3_stmt* prepared(sqlite3_stmt*& slot, const QString& sql) const;

    Database& m_database;
    NoteListReader m_reader;
    NoteRows m_rows;
    qint32 m_groupId = -1;
    bool m_open = false;
    RowCursor m_cursor;
    int m_firstRows = kFirstRows;
    int m_generation = 0;
    int m_layout = 0;

    // Row ids of notes this process inserted, changed or deleted since the list was read.
    QHash<qint64, bool> m_changed;
    bool m_tooManyChanges = false;

    mutable QCache<qint64, Texts> m_texts;
    mutable Texts m_uncached;
    mutable sqlite3_stmt* m_readTexts = nullptr;
    mutable sqlite3_stmt* m_readRow = nullptr;
    mutable sqlite3_stmt* m_compare = nullptr;
    mutable sqlite3_stmt* m_version = nullptr;
    mutable sqlite3_stmt* m_hasId = nullptr;
    mutable bool m_hooked = false; // the connection's changes are watched
    mutable int m_connection = 0;  // the connection the statements and the hook belong to
    int m_rowsConnection = 0;      // the connection the rows were read on
    qint64 m_dataVersion = -1;
};

} // namespace store
