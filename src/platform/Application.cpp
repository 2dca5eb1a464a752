#include "platform/Application.h"

#include "platform/Desktop.h"
#include "platform/Errors.h"

#include <QCoreApplication>

namespace platform {

namespace {
QString g_title;
bool g_terminated = false;

void ReportException(const QString& text)
{
    Desktop::Current().MessageBox(text, Application::Title(), Icon::Error, Buttons::Ok);
}
} // namespace

void Application::SetTitle(const QString& title)
{
    g_title = title;
    QCoreApplication::setApplicationName(title);
}

QString Application::Title() { return g_title; }

void Application::Terminate()
{
    g_terminated = true;
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
}

bool Application::Terminated() { return g_terminated; }
void Application::ResetTerminated() { g_terminated = false; }

void Application::Guard(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const Error& e) {
        ReportException(e.message());
    } catch (const std::exception& e) {
        ReportException(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportException(QStringLiteral("Unknown error"));
    }
}

} // namespace platform
