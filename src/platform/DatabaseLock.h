#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// A lock on a database file, held by one process at a time: a lock file beside
// it ("<file>.lock") that names the holding process. The lock lasts as long as
// the object (or until Unlock). A lock left by a process that no longer runs (a
// crash, a kill) is recognised as stale and taken over; a lock never grows
// stale merely by its age, however long the program runs.
class DatabaseLock {
public:
    explicit DatabaseLock(const QString& databasePath);

    static QString LockFilePath(const QString& databasePath);

    // Takes the lock without waiting; true when this object holds it.
    bool TryLock();
    // After a failed TryLock: whether another running process holds the lock (as
    // opposed to the lock file not being writable at all).
    bool InUse() const;
    bool IsLocked() const { return m_file.isLocked(); }
    void Unlock() { m_file.unlock(); }

private:
    QLockFile m_file;
};

} // namespace platform
