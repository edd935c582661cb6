#include "platform/BackgroundPriority.h"

#include <QLoggingCategory>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcPriority, "quibbet.priority")

namespace platform {

void yieldToForeground()
{
#ifdef __linux__
    // The processor's idle class, which still gives the thread a small share when every
    // processor is busy; the disk's idle class would not (it waits for an idle disk), and the
    // window waits for this thread when the program closes or a restore cuts a backup short.
    sched_param none{};
    if (const int error = pthread_setschedparam(pthread_self(), SCHED_IDLE, &none))
        qCDebug(lcPriority) << "no idle scheduling:" << strerror(error);
    // So the disk's best-effort class at its lowest level, per thread; schedulers without
    // classes pass it by. The constants are the kernel's (linux/ioprio.h), which glibc does
    // not wrap.
    const int thread = int(::syscall(SYS_gettid));
    constexpr int kWhoProcess = 1;
    constexpr int kClassBestEffort = 2;
    constexpr int kClassShift = 13;
    constexpr int kLowestLevel = 7;
    if (::syscall(SYS_ioprio_set, kWhoProcess, thread, (kClassBestEffort << kClassShift) | kLowestLevel) != 0)
        qCDebug(lcPriority) << "no lower disk priority:" << strerror(errno);
#endif
}

} // namespace platform
