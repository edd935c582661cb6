#include "app/NotesFile.h"

#include "store/StoreError.h"

#include <QLoggingCategory>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

NotesFile::NotesFile(const QString& path)
    : m_database(std::make_unique<store::Database>(path)), m_clipQuery(std::make_unique<store::NoteList>(*m_database)),
      m_clipModify(std::make_unique<store::Query>(*m_database)),
      m_clipReminds(std::make_unique<store::Query>(*m_database)), m_version(*m_database)
{
}

NotesFile::~NotesFile() = default;

bool NotesFile::takeReplacement()
{
    const int before = std::exchange(m_replacementsTaken, m_database->replacements());
    return before != m_replacementsTaken;
}

bool NotesFile::guarded(const std::function<void()>& handler) const
{
    try {
        handler();
        return true;
    } catch (const store::StoreError& error) {
        qCWarning(lcApp) << "store error:" << error.message();
        // A write that failed because the file was replaced under it at that moment: the
        // next one goes to the new file.
        try {
            m_database->followIfReplaced(false);
        } catch (const store::StoreError&) {
        }
        if (m_reportError)
            m_reportError(error.message());
    }
    return false;
}

} // namespace app
