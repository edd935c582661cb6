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
    // The kernel's idle class: the thread runs when a processor would otherwise idle.
    sched_param none{};
    if (const int error = pthread_setschedparam(pthread_self(), SCHED_IDLE, &none))
        qCDebug(lcPriority) << "no idle scheduling:" << strerror(error);
    // The disk's idle class, per thread; schedulers without classes pass it by. The constants
    // are the kernel's (linux/ioprio.h), which glibc does not wrap.
    constexpr int kWhoProcess = 1;
    constexpr int kClassIdle = 3;
    constexpr int kClassShift = 13;
    if (::syscall(SYS_ioprio_set, kWhoProcess, int(::syscall(SYS_gettid)), kClassIdle << kClassShift) != 0)
        qCDebug(lcPriority) << "no idle disk priority:" << strerror(errno);
#endif
}

} // namespace platform
