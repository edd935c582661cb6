#pragma once

#include <QString>

namespace store {

// The engine's message, followed by what it means for the user's notes and what to do.
QString explainEngineError(const QString& path, int extendedCode, const QString& engineMessage);

QString damagedFileMessage(const QString& path, const QString& details);

} // namespace store
