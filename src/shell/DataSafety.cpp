#include "shell/DataSafety.h"

#include "platform/Clock.h"
#include "platform/DatabaseLock.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/db/Backup.h"
#include "shell/dbmodule.h"

#include <QDir>
#include <QFileInfo>

namespace {
const int kAutomaticBackupsKept = 10;
}

QString DatabaseFilePath() { return QDir::current().absoluteFilePath(QStringLiteral("DB.mdb")); }

QString BackupFolder()
{
    return QFileInfo(DatabaseFilePath()).dir().filePath(QStringLiteral("backup"));
}

QString BackupFileName(const QString& suffix)
{
    return QStringLiteral("DB-") + platform::Clock::Now().toString(QStringLiteral("yyyyMMdd-HHmmss"))
           + suffix + QStringLiteral(".mdb");
}

bool LockDatabase(platform::DatabaseLock& lock)
{
    // A lock file that cannot be written at all (a read-only folder) does not
    // stop the program: it could not change the database there either.
    if (lock.TryLock() || !lock.InUse())
        return true;
    platform::Desktop::Current().MessageBox(
        QStringLiteral("数据库正被另一个运行中的程序使用，程序将退出。"),
        QStringLiteral("数据库错误！"), platform::Icon::Error, platform::Buttons::Ok);
    return false;
}

void BackupAtStart()
{
    if (!DM->DB->Connected())
        return;
    const QString folder = BackupFolder();
    try {
        if (!QDir().mkpath(folder))
            throw platform::Error(QStringLiteral("Could not create the folder '%1'.").arg(folder));
        platform::db::WriteBackup(*DM->DB,
                                  QDir(folder).filePath(BackupFileName(QStringLiteral("-auto"))));
        platform::db::KeepNewest(folder, QStringLiteral("DB-*-auto.mdb"), kAutomaticBackupsKept);
    } catch (const platform::Error& e) {
        platform::Desktop::Current().MessageBox(
            QStringLiteral("自动数据备份失败！") + QLatin1Char('\r') + e.message(),
            QStringLiteral("错误提示"), platform::Icon::Error, platform::Buttons::Ok);
    }
}
