#pragma once

namespace platform {

// Puts the calling thread behind ordinary work for the processor and the disk, so that
// work nobody waits for (a backup) takes only what the window and the desktop leave over.
// Best effort: where the system refuses, the thread runs as before.
void yieldToForeground();

} // namespace platform
