#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace platform {

// The application object: title, termination and the top-level error report.
class Application {
public:
    static void SetTitle(const QString& title);
    static QString Title();

    // Ends the program as soon as control returns to the event loop.
    static void Terminate();
    static bool Terminated();
    static void ResetTerminated();

    // Runs one event handler. An exception ends the handler; its text is shown
    // in an error box captioned with the title, and the event loop goes on.
    static void Guard(const std::function<void()>& handler) noexcept;

    // Connects a signal to a handler that runs under Guard.
    template <typename Sender, typename Signal>
    static QMetaObject::Connection On(Sender* sender, Signal signal, QObject* context,
                                      std::function<void()> handler)
    {
        return QObject::connect(sender, signal, context,
                                [handler = std::move(handler)] { Guard(handler); });
    }
};

} // namespace platform
