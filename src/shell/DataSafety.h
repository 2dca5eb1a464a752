#pragma once

#include <QString>

namespace platform {
class DatabaseLock;
}

// Where the database and its backups lie, and what the program does at start to
// keep the data safe: one program per database, and a backup of every start.

// The database file the data module connects to: DB.mdb in the current directory.
QString DatabaseFilePath();
// The folder "backup" beside the database file.
QString BackupFolder();
// The name of a backup made now: "DB-YYYYMMDD-HHMMSS" + suffix + ".mdb".
QString BackupFileName(const QString& suffix = QString());

// Takes the lock on the database before any window exists. When another running
// program holds it, tells the user and returns false: the program then ends
// without touching the file.
bool LockDatabase(platform::DatabaseLock& lock);

// The automatic backup at start: a verified copy of the connected database in
// the backup folder ("DB-YYYYMMDD-HHMMSS-auto.mdb"); of these automatic copies
// the newest ten are kept. Does nothing while the database is not connected. A
// failure is reported once; start-up goes on.
void BackupAtStart();
