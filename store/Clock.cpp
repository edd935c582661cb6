#include "store/Clock.h"

namespace store {

namespace {
std::function<QDateTime()> g_source;
}

QDateTime Clock::now() { return g_source ? g_source() : QDateTime::currentDateTime(); }

void Clock::setSource(std::function<QDateTime()> source) { g_source = std::move(source); }

} // namespace store
