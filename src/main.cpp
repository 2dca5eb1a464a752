#include "platform/Application.h"
#include "platform/DatabaseLock.h"
#include "shell/DataSafety.h"
#include "shell/Main.h"
#include "shell/Program.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::Application::SetTitle(QStringLiteral("Varnholt"));
    platform::DatabaseLock lock(DatabaseFilePath());
    if (!LockDatabase(lock))
        return 1;
    CreateInstances();
    BackupAtStart();
    // Fill the screen also where no window manager maximises the window.
    frmMain->setGeometry(QApplication::primaryScreen()->availableGeometry());
    frmMain->showMaximized();
    const int result = app.exec();
    DestroyInstances();
    return result;
}
