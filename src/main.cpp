#include "platform/Application.h"
#include "shell/Main.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::Application::SetTitle(QStringLiteral("Varnholt"));
    CreateInstances();
    frmMain->showMaximized();
    const int result = app.exec();
    DestroyInstances();
    return result;
}
