#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// An error of the database engine or of a query object. It carries the engine's own
// message and, where the program can tell what it means for the notes file, the message
// with that explanation added, which is what the user is shown.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& engineMessage, const QString& shownMessage = {})
        : std::runtime_error(engineMessage.toStdString()), m_engine(engineMessage),
          m_shown(shownMessage.isEmpty() ? engineMessage : shownMessage)
    {
    }
    const QString& engineMessage() const { return m_engine; }
    const QString& message() const { return m_shown; }

private:
    QString m_engine;
    QString m_shown;
};

} // namespace store
