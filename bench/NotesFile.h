#pragma once

#include <QString>

namespace bench {

// A notes file of n notes as make_notes writes it, at `path`. make_notes runs as a process
// of its own, so the memory it takes never shows in the peak memory of the benchmark that
// asked for the file. With QUIBBET_BENCH_DATA naming a folder, each size is made there once
// per build of make_notes (under the name bench/startup-time.sh gives it too) and copied to
// `path`, so that reruns skip the minute a million notes take.
void makeNotesFile(const QString& path, int n);

} // namespace bench
