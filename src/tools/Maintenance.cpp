#include "tools/Maintenance.h"

#include "data/Schema.h"
#include "platform/Clock.h"
#include "platform/DatabaseLock.h"
#include "platform/Errors.h"
#include "platform/db/Backup.h"
#include "platform/db/Connection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace Maintenance {

namespace {

// Each kind of orphan: a statement returning the row's ID, a short description
// of the row and the ID it refers to, and how to report one.
struct OrphanKind {
    const char* statement;
    const char* report;  // %1 row ID, %2 description, %3 the missing ID
};

const OrphanKind kOrphanKinds[] = {
    {"SELECT A.ID, A.\"DATE\" || ' ' || A.AMOUNT, A.DEPTID FROM T_WASTE_BOOK A WHERE NOT EXISTS"
     " (SELECT 1 FROM T_DEPT C WHERE C.ID=A.DEPTID AND C.UPID>0) ORDER BY A.ID",
     "cash-flow entry %1 (%2): its association %3 is gone"},
    {"SELECT A.ID, A.NAME, A.DEPTID FROM T_FIXED_ASSETS A WHERE NOT EXISTS"
     " (SELECT 1 FROM T_DEPT C WHERE C.ID=A.DEPTID AND C.UPID>0) ORDER BY A.ID",
     "fixed asset %1 (%2): its association %3 is gone"},
    {"SELECT A.ID, A.\"DATE\" || ' ' || A.AMOUNT, A.TYPEID FROM T_WASTE_BOOK A WHERE NOT EXISTS"
     " (SELECT 1 FROM T_WASTE_BOOK_TYPE B WHERE B.ID=A.TYPEID) ORDER BY A.ID",
     "cash-flow entry %1 (%2): its subject %3 is gone"},
    {"SELECT A.ID, A.NAME, A.UPID FROM T_DEPT A WHERE (A.UPID IS NULL OR A.UPID<>0) AND NOT EXISTS"
     " (SELECT 1 FROM T_DEPT B WHERE B.ID=A.UPID AND B.UPID=0) ORDER BY A.ID",
     "association %1 (%2): its type %3 is gone"},
};

QString ConnectionString(const QString& databasePath)
{
    return QStringLiteral("Data Source=") + QFileInfo(databasePath).absoluteFilePath();
}

QStringList Orphans(platform::db::Connection& connection)
{
    QStringList orphans;
    QSqlQuery query(connection.Database());
    for (const OrphanKind& kind : kOrphanKinds) {
        if (!query.exec(QString::fromUtf8(kind.statement)))
            throw platform::DbError(query.lastError().text());
        while (query.next())
            orphans << QString::fromUtf8(kind.report)
                           .arg(query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString());
    }
    return orphans;
}

void Rename(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        throw platform::Error(QStringLiteral("'%1' exists already.").arg(to));
    if (!QFile::rename(from, to))
        throw platform::Error(QStringLiteral("Could not rename '%1' to '%2'.").arg(from, to));
}

// Moves the database out of the way together with whatever SQLite keeps beside
// it: a journal left by a crash belongs to this file and must never meet the
// restored one.
QString SetAside(const QString& databasePath)
{
    if (!QFileInfo::exists(databasePath))
        return QString();
    const QString replaced =
        databasePath + QStringLiteral(".replaced-")
        + platform::Clock::Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                                  QStringLiteral("-shm")}) {
        if (QFileInfo::exists(databasePath + suffix))
            Rename(databasePath + suffix, replaced + suffix);
    }
    return replaced;
}

} // namespace

CheckResult Check(const QString& databasePath)
{
    CheckResult result;
    result.damage = platform::db::IntegrityProblems(databasePath);
    if (!result.damage.isEmpty())
        return result;
    platform::db::Connection connection;
    connection.SetConnectionString(ConnectionString(databasePath));
    connection.SetRequiredTables(Schema::TableNames());
    try {
        connection.Open();
        result.orphans = Orphans(connection);
    } catch (const platform::Error& e) {
        result.damage << e.message();
    }
    return result;
}

QStringList RestoreProblems(const QString& backupPath)
{
    QStringList problems = platform::db::IntegrityProblems(backupPath);
    if (!problems.isEmpty())
        return problems;
    platform::db::Connection connection;
    connection.SetConnectionString(ConnectionString(backupPath));
    connection.SetRequiredTables(Schema::TableNames());
    try {
        connection.Open();
    } catch (const platform::Error& e) {
        problems << e.message();
    }
    return problems;
}

QString Restore(const QString& backupPath, const QString& databasePath)
{
    const QString database = QFileInfo(databasePath).absoluteFilePath();
    const QStringList problems = RestoreProblems(backupPath);
    if (!problems.isEmpty())
        throw platform::Error(QStringLiteral("'%1' is not a sound Varnholt database and is not restored: %2")
                                  .arg(backupPath, problems.join(QStringLiteral("; "))));
    platform::DatabaseLock lock(database);
    if (!lock.TryLock())
        throw platform::Error(lock.InUse()
                                  ? QStringLiteral("'%1' is in use by a running program; end it first.").arg(database)
                                  : QStringLiteral("Could not lock '%1'.").arg(database));

    const QString staged = database + QStringLiteral(".restoring");
    QFile::remove(staged);
    try {
        if (!QFile::copy(backupPath, staged))
            throw platform::Error(QStringLiteral("Could not copy '%1' to '%2'.").arg(backupPath, staged));
        platform::db::SyncToDisk(staged);
        const QString replaced = SetAside(database);
        Rename(staged, database);
        platform::db::SyncToDisk(QFileInfo(database).absolutePath());
        return replaced;
    } catch (...) {
        QFile::remove(staged);
        throw;
    }
}

} // namespace Maintenance
