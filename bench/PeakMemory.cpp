#include "bench/PeakMemory.h"

#include <QFile>
#include <malloc.h>

namespace bench {

qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // Files under /proc have no size, so the file is read whole rather than line by line
    // up to an end it never reports.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

void resetPeakResident()
{
    malloc_trim(0); // what was freed goes back to the system first, or it would count as resident
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace bench
