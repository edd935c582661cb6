#pragma once

#include "store/NoteRows.h"

#include <QString>
#include <atomic>
#include <functional>
#include <thread>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// Reads a note list on a connection of its own: the first rows at once, on the caller's
// thread, so that the first screen can be drawn; the rest on a thread, while the user
// already sees the list. One statement reads it all, so the first rows and the rest come
// from one snapshot of the file; writers (this process's own connection included) wait
// for the read to end, as they would for any reader.
class NoteListReader {
public:
    explicit NoteListReader(QString databasePath);
    ~NoteListReader();
    NoteListReader(const NoteListReader&) = delete;
    NoteListReader& operator=(const NoteListReader&) = delete;

    // Stops a read under way, then runs `sql` (columns: row id, note id, creation text) and
    // returns its first `firstRows` rows. When more follow, they are read on the thread,
    // and `onDone` is called there once the read has ended. Throws StoreError when the
    // statement cannot start; its first rows are then not read either.
    // `countSql` counts the rows, so that room for them all is taken once.
    NoteRows start(const QString& sql, const QString& countSql, int firstRows, std::function<void()> onDone);
    // Whether a read has started whose rows have not been taken yet.
    bool pending() const { return m_thread.joinable(); }
    // Waits for the read to end and hands over every row it read, the first ones included.
    // `error` is set when the read broke off; the rows then are those read until then.
    NoteRows take(QString* error = nullptr);
    // Stops the read and drops its rows.
    void cancel();

    // A note id as the list reads it: text is trimmed and must be a whole number; NULL is 0.
    static qint32 idOf(sqlite3_stmt* statement, int column);

    // Closes the connection (it opens again when needed), so that the file can be replaced.
    void closeConnection();

private:
    void openConnection();
    void finishStatement();

    QString m_path;
    sqlite3* m_handle = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    NoteRows m_rows;
    QString m_error;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
};

} // namespace store
