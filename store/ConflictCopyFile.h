#pragma once

#include "store/NoteIdentity.h"
#include "store/SqliteStatement.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_value;

namespace store {

// A conflict copy opened for a merge: read-only on a connection of its own, checked to be a
// notes file that nothing is writing, and read in one transaction, so every read sees the
// copy of one moment. Nothing ever writes to it. A copy that cannot be merged (damage shows
// as an error of the read that meets it) is refused with the reason and left as it is.
class ConflictCopyFile {
public:
    struct Refused {
        QString message;
    };
    struct Category {
        qint64 id = 0;
        QString name;
        QString description;
    };
    struct ValueFree {
        void operator()(sqlite3_value* value) const;
    };
    using OwnedValue = std::unique_ptr<sqlite3_value, ValueFree>;
    struct Reminder {
        qint64 noteId = 0;
        std::array<OwnedValue, 4> values; // remind_content, remind_time, type, flag
        bool shown = false;               // shown on the other machine
    };

    // Throws Refused: the notes file itself, a copy being written (a journal beside it, or
    // another program's lock), a damaged one, or no notes file.
    ConflictCopyFile(const QString& path, const QString& notesPath);
    ~ConflictCopyFile();
    ConflictCopyFile(const ConflictCopyFile&) = delete;
    ConflictCopyFile& operator=(const ConflictCopyFile&) = delete;

    const QString& path() const { return m_path; }
    bool hasIdentities() const { return m_hasIdentities; }
    const std::vector<Category>& categories() const { return m_categories; }
    const std::vector<Reminder>& reminders() const { return m_reminders; }

    // A statement on the copy; what fails in it later is the copy's failure (see refuse()).
    SqliteStatement statement(const QString& sql);
    // The note of that row, stepped onto it: id, group_id, isdone, create_time, content,
    // account_id, record_time. Valid until the next call.
    SqliteStatement& noteRow(qint64 rowId);
    std::optional<identity::Identity> identity(qint64 noteId, const QString& createTime);

    // Refuses the copy for that reason, or for what an engine's failure on it means.
    [[noreturn]] void refuse(const QString& reason) const;
    [[noreturn]] void refuse(const StoreError& failure) const;

private:
    void check(const QString& notesPath);
    void readCategoriesAndReminders();

    QString m_path;
    sqlite3* m_handle = nullptr;
    bool m_hasIdentities = false;
    std::vector<Category> m_categories;
    std::vector<Reminder> m_reminders;
    std::unique_ptr<SqliteStatement> m_noteRow;
    std::unique_ptr<SqliteStatement> m_identity;
};

} // namespace store
