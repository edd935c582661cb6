#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <QString>
#include <memory>
#include <thread>

namespace store {

// One statement read on a connection and a thread of its own while the program is still
// building its window: at 100,000 notes the first list takes longer to read than the window
// takes to build, and on two cores the two can run side by side. The rows go to the first
// query that runs the same statement; a failure is dropped, and that query then reads (and
// fails, with its message) as it would have without the early read.
class EarlyRead {
public:
    EarlyRead(const QString& databasePath, const QString& sql);
    ~EarlyRead();
    EarlyRead(const EarlyRead&) = delete;
    EarlyRead& operator=(const EarlyRead&) = delete;

    // Waits for the read to end. Called before anything else in the process touches the
    // file, so that the file is never created or checked by two connections at once.
    void finish();

    // After finish(): hands the rows to `query` if it is set up for the same statement, and
    // closes the early connection either way. Only the first call can hand anything over.
    bool handTo(Query& query);
    // After finish(): drops the rows and closes the early connection, when no query took them.
    void discard();

private:
    std::unique_ptr<Database> m_database;
    std::unique_ptr<Query> m_query;
    std::thread m_thread;
    bool m_read = false;
};

} // namespace store
