#include "platform/Clock.h"

namespace platform {

namespace {
QDateTime g_fixed;
}

QDateTime Clock::Now() { return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime(); }
void Clock::Set(const QDateTime& now) { g_fixed = now; }
void Clock::Reset() { g_fixed = QDateTime(); }

} // namespace platform
