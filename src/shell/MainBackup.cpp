// The main window's "数据备份" command: a verified copy of the open database
// where the user chooses, proposed in the backup folder beside the database.
#include "shell/Main.h"

#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/db/Backup.h"
#include "shell/DataSafety.h"
#include "shell/dbmodule.h"

#include <QDir>

void TfrmMain::N6Click()
{
    // The dialog opens in the backup folder only if it exists.
    QDir().mkpath(BackupFolder());
    platform::Desktop& desktop = platform::Desktop::Current();
    const QString target = desktop.SaveFileName(QStringLiteral("数据备份"),
                                                QDir(BackupFolder()).filePath(BackupFileName()),
                                                QStringLiteral("数据库文件 (*.mdb)"));
    if (target.isEmpty())
        return;
    try {
        platform::db::WriteBackup(*DM->DB, target);
    } catch (const platform::Error& e) {
        desktop.MessageBox(QStringLiteral("数据备份失败！") + QLatin1Char('\r') + target
                               + QLatin1Char('\r') + e.message(),
                           QStringLiteral("错误提示"), platform::Icon::Error, platform::Buttons::Ok);
        return;
    }
    desktop.MessageBox(QStringLiteral("数据备份成功：") + target, QStringLiteral("提示"),
                       platform::Icon::Information, platform::Buttons::Ok);
}
