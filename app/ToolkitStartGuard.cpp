#include "app/ToolkitStartGuard.h"

#include <QtGlobal>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace app {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

// A message handler is a plain function: what it needs lives here, for the guard's lifetime.
QtMessageHandler g_previous = nullptr;
std::function<QString()> g_failureLine;
std::vector<HeldMessage> g_held;

void passOn(QtMsgType type, const QString& category, const QString& text)
{
    const QByteArray name = category.toUtf8();
    const QMessageLogContext context(nullptr, 0, nullptr, name.constData());
    if (g_previous)
        g_previous(type, context, text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_held.push_back({type, QString::fromUtf8(context.category ? context.category : "default"), text});
        return;
    }
    const QString line = g_failureLine ? g_failureLine() : QString();
    if (line.isEmpty()) {
        for (const HeldMessage& held : g_held)
            passOn(held.type, held.category, held.text);
        g_held.clear();
        if (g_previous)
            g_previous(type, context, text); // the toolkit aborts after this, as it always has
        return;
    }
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, bytes.constData(), size_t(bytes.size()));
    ::_exit(1);
}

} // namespace

ToolkitStartGuard::ToolkitStartGuard(std::function<QString()> failureLine)
{
    g_failureLine = std::move(failureLine);
    g_previous = qInstallMessageHandler(holdOrEnd);
}

ToolkitStartGuard::~ToolkitStartGuard()
{
    qInstallMessageHandler(g_previous);
    const std::vector<HeldMessage> held = std::move(g_held);
    g_held.clear();
    g_failureLine = nullptr;
    for (const HeldMessage& message : held)
        passOn(message.type, message.category, message.text);
    g_previous = nullptr;
}

} // namespace app
