#pragma once

#include "app/NotesFileVersion.h"
#include "store/Database.h"
#include "store/NoteList.h"
#include "store/Query.h"

#include <QString>
#include <functional>
#include <memory>

namespace app {

// The notes file as the program holds it for the whole run: the one connection, the three
// query objects every part reaches the file through, and whether another process wrote to it
// since the window last read it. Everything that touches the file goes through this object,
// so a file replaced under the program has one place to be followed from.
class NotesFile {
public:
    explicit NotesFile(const QString& path);
    ~NotesFile();
    NotesFile(const NotesFile&) = delete;
    NotesFile& operator=(const NotesFile&) = delete;

    const QString& path() const { return m_database->path(); }
    store::Database& database() { return *m_database; }
    // The list of the category shown, read in pages.
    store::NoteList& AQclipQuery() { return *m_clipQuery; }
    const store::NoteList& AQclipQuery() const { return *m_clipQuery; }
    // Reads and writes of single rows: options, categories, a note's reminder.
    store::Query& AQclipModify() { return *m_clipModify; }
    // The snapshot of pending reminders.
    store::Query& AQclipReminds() { return *m_clipReminds; }

    // Whether another process wrote to the file since the window last took it up.
    NotesFileVersion& version() { return m_version; }

    // Whether a file another program put in place of the notes file was followed since the
    // last call: what the window shows is then another file's.
    bool takeReplacement();

    // Runs a handler; an error of the store ends it and goes to the reporter set (the window
    // shows it). Returns false when it failed.
    bool guarded(const std::function<void()>& handler) const;
    void setErrorReporter(std::function<void(const QString&)> reporter) { m_reportError = std::move(reporter); }

private:
    std::unique_ptr<store::Database> m_database;
    std::unique_ptr<store::NoteList> m_clipQuery;
    std::unique_ptr<store::Query> m_clipModify;
    std::unique_ptr<store::Query> m_clipReminds;
    NotesFileVersion m_version;
    int m_replacementsTaken = 0;
    std::function<void(const QString&)> m_reportError;
};

} // namespace app
