#pragma once

#include "store/StoreError.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

struct sqlite3;

namespace store {

// The one connection to the notes file. It opens when the first statement needs it; a file
// that does not exist yet is created with its tables and required rows, readable by the
// owner alone. A file that is not a notes database fails that first statement and is left
// exactly as it was.
class Database {
public:
    explicit Database(QString path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    bool isOpen() const { return m_handle != nullptr; }

    // Opens the connection if it is not open yet; throws StoreError with the engine's message.
    sqlite3* handle();

    // Runs statements that return no rows (schema, pragmas, BEGIN/COMMIT).
    void execute(const QString& sql);

    // The connection's last error, with what it means for the user's notes.
    StoreError engineError() const;

    // Another program (a sync engine bringing another machine's version) may put a new file in
    // place of the notes file by a rename: the connection then still reads the old one, now
    // deleted, and every write fails. Opens the file now at the path instead, when no
    // transaction is open. A file deleted without a new one in its place is written back
    // from the connection, only when `evenIfGone` (before a write), so that the notes and the
    // write reach the disk. A new file that cannot be opened (damaged, caught half-written)
    // leaves the connection as it was and is tried again once the file at the path changed;
    // a write until then is refused with why. Returns true when it opened another file;
    // throws StoreError when it could not.
    bool followIfReplaced(bool evenIfGone);
    // Whether a file deleted while open was written back from the connection since the last
    // call (rather than another file followed).
    bool takeWroteBack() { return std::exchange(m_wroteBack, false); }
    // How many times a replaced file was followed: statements prepared, hooks set and
    // versions read on an earlier connection belong to a file that is gone.
    int replacements() const { return m_replacements; }
    // Told each time a replaced file was followed, after the new one opened.
    std::function<void()> onReplaced;

    // Called by the query objects before every write, so that two inserts never share one
    // record_time: newest-first order holds even for notes applied within one millisecond.
    void beforeWrite();
    void afterWrite();

    // A write transaction taken at once (BEGIN IMMEDIATE): what it reads cannot change
    // before it commits, even with another process on the same file. Rolls back unless
    // commit() was called.
    class Transaction {
    public:
        explicit Transaction(Database& database);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        Database& m_database;
        bool m_done = false;
    };

    static constexpr int kBusyTimeoutMs = 5000;
    // How long a statement waits for another process's lock, from the next statement on.
    void setBusyTimeout(int milliseconds);
    int busyTimeout() const { return m_busyTimeoutMs; }

private:
    void open();
    void writeBackDeletedFile();
    void addMissingTablesAndIndexes();
    void keepRollbackJournal();
    void createFile();
    void checkSchema();

    QString m_path;
    sqlite3* m_handle = nullptr;
    std::int64_t m_lastWriteMs = 0;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    int m_replacements = 0;
    // The new file as it was when it could not be opened, and why.
    struct Unreadable {
        QString state;
        StoreError error{QString()};
    } m_unreadable;
    bool m_wroteBack = false;
};

} // namespace store
