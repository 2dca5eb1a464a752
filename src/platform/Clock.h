#pragma once

#include <QDateTime>

namespace platform {

// The current local date and time; tests may fix it.
class Clock {
public:
    static QDateTime Now();
    static void Set(const QDateTime& now);
    static void Reset();
};

} // namespace platform
