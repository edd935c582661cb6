#pragma once

#include "store/ConflictCopyFile.h"
#include "store/ConflictMerge.h"
#include "store/Database.h"
#include "store/NoteIdentity.h"
#include "store/SqliteStatement.h"

#include <QSet>
#include <QString>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace store {

// One merge of a conflict copy: what the notes file holds is read, the copy's notes are told
// apart from it, and what the copy brings is written. The caller holds the write transaction
// around write(), and knows that the file did not change since readFile().
class CopyMerger {
public:
    CopyMerger(Database& database, ConflictCopyFile& copy, MergedCopy& result)
        : m_database(database), m_copy(copy), m_result(result), m_path(database.path())
    {
    }

    void readFile();
    void planNotes();
    void write();

private:
    // What the notes file holds, as far as telling the copy's notes apart needs.
    struct FileNotes {
        std::vector<std::pair<quint64, qint32>> texts;                  // note key -> id, sorted
        std::vector<std::pair<quint64, qint32>> identities;             // uid key -> id, sorted
        std::vector<std::pair<quint64, int>> deletedTexts;              // note key of a note deleted here, sorted
        std::vector<std::pair<quint64, QStringList>> deletedIdentities; // uid key -> versions, sorted
        QSet<qint32> keptIds;
        std::map<QString, qint32> categories; // name key -> id
        QSet<QString> deletedCategories;
    };

    struct Candidate {
        enum class Kind {
            Add,       // the file lacks the note: it comes in, with its identity
            AddBeside, // the file holds another text of it, or deleted it before the copy's change: a new note
            Changed,   // the file holds the note with another text: which came later decides
        };
        Kind kind = Kind::Add;
        qint64 copyRow = 0;
        qint32 fileId = 0; // Changed: the file's note
    };

    SqliteStatement fileStatement(const QString& sql) { return {m_database.handle(), sql, m_path}; }
    // A statement run once for each note that comes in, prepared once.
    SqliteStatement& prepared(std::unique_ptr<SqliteStatement>& slot, const QString& sql);
    void planFrom(SqliteStatement notes);
    void mapCategories();
    qint32 freeId(qint32 wanted);
    void addNote(const Candidate& candidate, bool keepIdentity);
    void resolveChanged(const Candidate& candidate);
    void addReminders();
    void putIdentity(qint32 id, const QString& createTime, const identity::Identity& identity);

    Database& m_database;
    ConflictCopyFile& m_copy;
    MergedCopy& m_result;
    QString m_path;
    FileNotes m_file;
    std::vector<Candidate> m_candidates;
    std::map<qint64, qint32> m_noteOf;  // copy's note id -> file's, for the copy's reminders
    std::map<qint64, qint32> m_groupOf; // copy's category id -> file's
    qint32 m_nextId = 1;
    std::unique_ptr<SqliteStatement> m_taken, m_insert, m_identity;
};

} // namespace store
