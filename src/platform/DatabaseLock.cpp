#include "platform/DatabaseLock.h"

#include <QFileInfo>

namespace platform {

DatabaseLock::DatabaseLock(const QString& databasePath) : m_file(LockFilePath(databasePath))
{
    // Only a holder that no longer runs makes a lock stale.
    m_file.setStaleLockTime(0);
}

QString DatabaseLock::LockFilePath(const QString& databasePath)
{
    return QFileInfo(databasePath).absoluteFilePath() + QStringLiteral(".lock");
}

bool DatabaseLock::TryLock()
{
    return m_file.isLocked() || m_file.tryLock(0);
}

bool DatabaseLock::InUse() const
{
    return !m_file.isLocked() && m_file.error() == QLockFile::LockFailedError;
}

} // namespace platform
