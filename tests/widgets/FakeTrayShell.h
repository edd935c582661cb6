#pragma once

#include "widgets/TrayIcon.h"

#include <QMenu>
#include <QStringList>
#include <atomic>
#include <deque>
#include <mutex>

namespace testing {

// Stands in for the desktop's notification area, which a test cannot have: it records each
// call, answers adds as told, and queues animation steps until the test runs them.
class FakeTrayShell : public widgets::TrayShell {
public:
    bool acceptAdds = true;
    QPoint cursor{640, 1000};
    unsigned keys = 0;
    QStringList calls; // "add", "modify", "remove", "popup 640,1000", ...
    QList<widgets::TrayNotifyData> records;
    QStringList errors;
    std::function<void()> duringPopup;

    bool add(const widgets::TrayNotifyData& data) override
    {
        calls << QStringLiteral("add");
        records << data;
        return acceptAdds;
    }
    void modify(const widgets::TrayNotifyData& data) override
    {
        calls << QStringLiteral("modify");
        records << data;
    }
    void remove(const widgets::TrayNotifyData&) override { calls << QStringLiteral("remove"); }
    void menuChanged(QMenu* menu) override
    {
        calls << QStringLiteral("menu %1").arg(menu ? menu->objectName() : QStringLiteral("none"));
    }
    QPoint cursorPos() const override { return cursor; }
    unsigned keyboardShift() const override { return keys; }
    void bringToForeground() override { calls << QStringLiteral("foreground"); }
    void cancelMouseMode() override { calls << QStringLiteral("cancel mouse mode"); }
    void processPendingMessages() override { calls << QStringLiteral("process messages"); }
    void popupMenu(QMenu& menu, QPoint at) override
    {
        calls << QStringLiteral("popup %1 %2,%3").arg(menu.objectName()).arg(at.x()).arg(at.y());
        if (duringPopup)
            duringPopup();
    }
    void showError(const QString& message) override { errors << message; }

    void runOnUiThread(std::function<void()> step) override
    {
        std::lock_guard lock(m_mutex);
        m_steps.push_back(std::move(step));
    }
    bool applicationTerminating() const override { return terminating; }
    std::atomic<bool> terminating{false};

    int queuedSteps()
    {
        std::lock_guard lock(m_mutex);
        return int(m_steps.size());
    }
    // Runs the animation steps handed over so far, as the user-interface thread would.
    int runQueuedSteps()
    {
        std::deque<std::function<void()>> steps;
        {
            std::lock_guard lock(m_mutex);
            steps.swap(m_steps);
        }
        for (auto& step : steps)
            step();
        return int(steps.size());
    }

    // Shell calls since the last look, then forgotten.
    QStringList takeCalls()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_steps;
};

} // namespace testing
