#include "FileDatabase.h"
#include "ProgramFixture.h"

#include "platform/DatabaseLock.h"
#include "shell/DataSafety.h"

#include <QDir>
#include <QFile>

using platform::DatabaseLock;

namespace {

class DatabaseLockTest : public DatabaseTest {};

TEST_F(DatabaseLockTest, OneHolderAtATime)
{
    DatabaseLock first(DatabaseFilePath());
    DatabaseLock second(DatabaseFilePath());

    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(QFile::exists(DatabaseLock::LockFilePath(DatabaseFilePath())));
    EXPECT_FALSE(second.TryLock());
    EXPECT_TRUE(second.InUse());

    first.Unlock();
    EXPECT_TRUE(second.TryLock());
    EXPECT_FALSE(first.TryLock());
}

TEST_F(DatabaseLockTest, ASecondStartIsToldAndEndsWithoutTouchingTheDatabase)
{
    const QByteArray before = Contents(DatabaseFilePath());
    DatabaseLock running(DatabaseFilePath());
    ASSERT_TRUE(LockDatabase(running));
    EXPECT_TRUE(Desktop().Boxes().empty());

    DatabaseLock second(DatabaseFilePath());
    EXPECT_FALSE(LockDatabase(second));

    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数据库正被另一个运行中的程序使用，程序将退出。"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("数据库错误！"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Error);
    EXPECT_EQ(Contents(DatabaseFilePath()), before);
}

TEST_F(DatabaseLockTest, ALockThatCannotBeWrittenDoesNotStopTheProgram)
{
    // The lock would lie inside a file, which no process can create.
    DatabaseLock lock(QDir(Dir()).filePath(QStringLiteral("DB.mdb/DB.mdb")));
    EXPECT_FALSE(lock.TryLock());
    EXPECT_FALSE(lock.InUse());
    EXPECT_TRUE(LockDatabase(lock));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

} // namespace
