#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// An error of the database engine or of a query object, carrying the engine's own message.
// Handlers let it end their work; the window shows the message and the program goes on.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace store
