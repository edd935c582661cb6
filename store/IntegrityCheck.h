#pragma once

#include <QString>

namespace store {

// Runs the engine's quick check over the notes file on a connection of its own (safe on
// any thread). Returns an empty string when the file is sound, otherwise the message to
// show, naming the file and what to do. Never writes to the file.
QString quickCheck(const QString& path);

} // namespace store
