#include "platform/db/Backup.h"

#include "platform/Errors.h"
#include "platform/db/Connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

#include <fcntl.h>
#include <unistd.h>

namespace platform::db {

namespace {

QString EngineMessage(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QString SqlText(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''"))
           + QLatin1Char('\'');
}

void Verify(const QString& path)
{
    const QStringList problems = IntegrityProblems(path);
    if (!problems.isEmpty())
        throw DbError(QStringLiteral("The copy '%1' does not pass the integrity check: %2")
                          .arg(path, problems.join(QStringLiteral("; "))));
}

void MoveInPlace(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        throw DbError(QStringLiteral("Could not replace '%1'.").arg(to));
    if (!QFile::rename(from, to))
        throw DbError(QStringLiteral("Could not rename '%1' to '%2'.").arg(from, to));
    SyncToDisk(QFileInfo(to).absolutePath());
}

} // namespace

void SyncToDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw DbError(QStringLiteral("Could not write '%1' to disk.").arg(path));
}

void WriteBackup(Connection& connection, const QString& targetPath)
{
    const QString target = QFileInfo(targetPath).absoluteFilePath();
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        QSqlQuery vacuum(connection.Database());
        if (!vacuum.exec(QStringLiteral("VACUUM INTO ") + SqlText(partial)))
            throw DbError(EngineMessage(vacuum.lastError()));
        // VACUUM INTO does not sync what it writes; a backup must survive a power cut.
        SyncToDisk(partial);
        Verify(partial);
        MoveInPlace(partial, target);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

QStringList IntegrityProblems(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        return {QStringLiteral("'%1' is not a file.").arg(filePath)};
    const QString name = QStringLiteral("integrity-") + QUuid::createUuid().toString();
    QStringList problems;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath())
                               .toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        if (db.open()) {
            QSqlQuery check(db);
            // Read as the program's own connection reads: on a large book the
            // check runs several times faster through the memory map.
            for (const QString& setting : Connection::EngineSettings())
                check.exec(setting);
            if (!check.exec(QStringLiteral("PRAGMA integrity_check")))
                problems << EngineMessage(check.lastError());
            while (check.next())
                problems << check.value(0).toString();
        } else {
            problems << EngineMessage(db.lastError());
        }
        if (problems == QStringList{QStringLiteral("ok")})
            problems.clear();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problems;
}

void KeepNewest(const QString& folder, const QString& pattern, int keep)
{
    const QDir dir(folder);
    const QStringList newestFirst =
        dir.entryList({pattern}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = keep; i < newestFirst.size(); ++i) {
        if (!QFile::remove(dir.filePath(newestFirst[i])))
            throw Error(QStringLiteral("Could not delete the old backup '%1'.")
                            .arg(dir.filePath(newestFirst[i])));
    }
}

} // namespace platform::db
