#pragma once

#include <QtGlobal>

namespace bench {

// This process's peak resident memory (VmHWM) in kB, as /proc/self/status tells it; 0 where
// there is no such file.
qint64 peakResidentKb();

// Lowers the peak to what is resident now, where the kernel allows it (Linux 4.0 and later),
// so that what a benchmark measures next is not hidden by an earlier, larger peak.
void resetPeakResident();

} // namespace bench
