#pragma once

#include <QString>
#include <functional>

namespace app {

// While the toolkit starts, its messages are held back. Should it fail for want of a display
// (an X server that was starting, or had just gone, after it seemed to answer), it would abort
// the program, core and all, with advice to reinstall it: the program then writes the one line
// `failureLine` gives and ends with status 1. Where that line is empty (a platform without a
// display), the toolkit's own messages and end stand. Once the guard goes, what was held is
// passed on. One at a time.
class ToolkitStartGuard {
public:
    explicit ToolkitStartGuard(std::function<QString()> failureLine);
    ~ToolkitStartGuard();
    ToolkitStartGuard(const ToolkitStartGuard&) = delete;
    ToolkitStartGuard& operator=(const ToolkitStartGuard&) = delete;
};

} // namespace app
