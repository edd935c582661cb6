#include "store/IntegrityCheck.h"

#include "store/StoreMessages.h"

#include <QFile>
#include <sqlite3.h>

namespace store {

QString quickCheck(const QString& path)
{
    sqlite3* handle = nullptr;
    // Read-only: a check must never be the thing that changes a damaged file.
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return {}; // the program's own connection reports why it cannot open the file
    }
    sqlite3_busy_timeout(handle, 5000);
    sqlite3_stmt* statement = nullptr;
    QStringList problems;
    int rc = sqlite3_prepare_v2(handle, "pragma quick_check(20)", -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            problems << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    const int code = sqlite3_extended_errcode(handle);
    const QString engine = QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    if (rc != SQLITE_DONE) {
        // Busy or a hot journal another process must roll back first: nothing to say yet.
        if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_READONLY)
            return {};
        problems = {engine};
    }
    if (problems == QStringList{QStringLiteral("ok")})
        return {};
    return damagedFileMessage(path, problems.join(QLatin1Char('\n')));
}

} // namespace store
