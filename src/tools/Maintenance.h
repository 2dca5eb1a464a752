#pragma once

#include <QString>
#include <QStringList>

// What the companion tool does to keep a database sound: check it, and put a
// backup in its place.
namespace Maintenance {

// What a check found: the damage (integrity check, missing tables) and the rows
// that the program's joins silently leave out because what they refer to is gone.
struct CheckResult {
    QStringList damage;
    QStringList orphans;
    bool Clean() const { return damage.isEmpty() && orphans.isEmpty(); }
};

CheckResult Check(const QString& databasePath);

// Why a file cannot be put in place of the database: it does not open, fails
// the integrity check or lacks one of the program's tables. Empty when it can.
QStringList RestoreProblems(const QString& backupPath);

// Puts a backup in place of the database, after checking it. The replaced
// database is kept beside it as "<name>.replaced-YYYYMMDD-HHMMSS" (with its
// journal, if one was left), never deleted; returns that path, or "" when there
// was no database. Refuses with a platform::Error a backup that cannot be
// restored and a database that a running program holds.
QString Restore(const QString& backupPath, const QString& databasePath);

} // namespace Maintenance
