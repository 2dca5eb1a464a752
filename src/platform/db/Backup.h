#pragma once

#include <QString>
#include <QStringList>

namespace platform::db {

class Connection;

// Writes a consistent copy of the connected database to targetPath: SQLite's
// VACUUM INTO, which copies one snapshot of the file, never a half-written
// state. The copy is synced to disk and verified (it opens and passes the
// integrity check) before it appears under its name; a file there is replaced.
// Fails with a DbError and leaves nothing behind.
void WriteBackup(Connection& connection, const QString& targetPath);

// The integrity check's findings for a database file, empty when it is sound.
// A file that cannot be opened as a database gives one finding saying why. The
// file is opened read-write (never created) so that a crashed writer's journal
// is rolled back first, as the program itself would.
QStringList IntegrityProblems(const QString& filePath);

// Flushes a file, or a folder's list of names after a rename, to disk. Fails
// with a DbError.
void SyncToDisk(const QString& path);

// Deletes all but the newest `keep` files of a folder whose names match a
// pattern such as "DB-*.mdb". The names must sort in time order (they carry a
// timestamp). Fails with an Error when a file cannot be deleted.
void KeepNewest(const QString& folder, const QString& pattern, int keep);

} // namespace platform::db
