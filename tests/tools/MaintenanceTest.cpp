#include "FileDatabase.h"
#include "ProgramFixture.h"

#include "data/Schema.h"
#include "platform/Clock.h"
#include "platform/DatabaseLock.h"
#include "platform/Errors.h"
#include "platform/db/Backup.h"
#include "tools/Maintenance.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace {

class MaintenanceTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        m_type = AddType(QStringLiteral("文化类"));
        m_dept = AddDept(QStringLiteral("书法社"), m_type);
        m_subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
        AddEntry(m_dept, m_subject, 120.5, QStringLiteral("2024-03-01"), QStringLiteral("在用"));
        AddFixed(m_dept, QStringLiteral("毛笔"), 30, QStringLiteral("2023-09-01"));
    }

    QString Database() const { return QDir(Dir()).filePath(QStringLiteral("DB.mdb")); }
    QString InDir(const QString& name) const { return QDir(Dir()).filePath(name); }

    // A sound backup that differs from the database by one marked entry.
    QString MakeBackup()
    {
        const QString backup = InDir(QStringLiteral("backup.mdb"));
        EXPECT_TRUE(QFile::copy(Database(), backup));
        ExecIn(backup, QStringLiteral("INSERT INTO T_WASTE_BOOK (DEPTID, \"DATE\", TYPEID, AMOUNT, MEMO1)"
                                      " VALUES (%1, '2024-02-01', %2, 9, '来自备份')")
                           .arg(m_dept)
                           .arg(m_subject));
        return backup;
    }

    QStringList Leftovers() const
    {
        return QDir(Dir()).entryList({QStringLiteral("DB.mdb.*")}, QDir::Files);
    }

    int m_type = 0;
    int m_dept = 0;
    int m_subject = 0;
};

TEST_F(MaintenanceTest, CheckOfASoundDatabaseFindsNothing)
{
    const Maintenance::CheckResult result = Maintenance::Check(Database());
    EXPECT_TRUE(result.Clean()) << result.damage.join('\n').toStdString()
                                << result.orphans.join('\n').toStdString();
}

TEST_F(MaintenanceTest, CheckListsEveryKindOfOrphan)
{
    const int type = AddType(QStringLiteral("体育类"));
    const int lost = AddDept(QStringLiteral("棋社"), type);
    Sql(QStringLiteral("DELETE FROM T_DEPT WHERE ID=%1").arg(type));
    const int entryOfLostDept = AddEntry(999, m_subject, 5, QStringLiteral("2024-01-02"));
    const int entryOfType = AddEntry(m_type, m_subject, 6, QStringLiteral("2024-01-03"));
    const int assetOfLostDept = AddFixed(998, QStringLiteral("球拍"), 40, QStringLiteral("2022-05-01"));
    const int entryOfLostSubject = AddEntry(m_dept, 997, 7, QStringLiteral("2024-01-04"));

    const Maintenance::CheckResult result = Maintenance::Check(Database());

    EXPECT_TRUE(result.damage.isEmpty());
    const QStringList expected = {
        QStringLiteral("cash-flow entry %1 (2024-01-02 5.0): its association 999 is gone").arg(entryOfLostDept),
        QStringLiteral("cash-flow entry %1 (2024-01-03 6.0): its association %2 is gone")
            .arg(entryOfType)
            .arg(m_type),
        QStringLiteral("fixed asset %1 (球拍): its association 998 is gone").arg(assetOfLostDept),
        QStringLiteral("cash-flow entry %1 (2024-01-04 7.0): its subject 997 is gone").arg(entryOfLostSubject),
        QStringLiteral("association %1 (棋社): its type %2 is gone").arg(lost).arg(type),
    };
    EXPECT_EQ(result.orphans.join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_FALSE(result.Clean());
}

TEST_F(MaintenanceTest, CheckAndRestoreRefuseDamagedFiles)
{
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> damages = {
        {"not a database", [](const QString& f) { Write(f, QByteArray(8192, 'x')); }},
        {"cut in half", [](const QString& f) { Truncate(f); }},
        {"broken index", [](const QString& f) { BreakIndex(f); }},
        {"missing table", [](const QString& f) { ExecIn(f, QStringLiteral("DROP TABLE T_WASTE_BOOK_TYPE")); }},
    };
    const QByteArray original = Contents(Database());
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        const QString file = InDir(QStringLiteral("damaged.mdb"));
        QFile::remove(file);
        ASSERT_TRUE(QFile::copy(Database(), file));
        damage(file);

        EXPECT_FALSE(Maintenance::Check(file).damage.isEmpty());
        EXPECT_FALSE(Maintenance::RestoreProblems(file).isEmpty());
        EXPECT_THROW(Maintenance::Restore(file, Database()), platform::Error);
        EXPECT_EQ(Contents(Database()), original);
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(' ').toStdString();
    }
}

TEST_F(MaintenanceTest, RestorePutsTheBackupInPlaceAndKeepsTheReplacedDatabaseWithItsJournal)
{
    const QString backup = MakeBackup();
    const QByteArray original = Contents(Database());
    Write(Database() + QStringLiteral("-journal"), "journal of the replaced file");

    const QString replaced = Maintenance::Restore(backup, Database());

    EXPECT_EQ(replaced, Database() + QStringLiteral(".replaced-20240305-140709"));
    EXPECT_EQ(Contents(replaced), original);
    EXPECT_EQ(Contents(replaced + QStringLiteral("-journal")), "journal of the replaced file");
    EXPECT_FALSE(QFile::exists(Database() + QStringLiteral("-journal")));
    EXPECT_EQ(ScalarIn(Database(), QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK WHERE MEMO1='来自备份'")).toInt(), 1);
    EXPECT_TRUE(Maintenance::Check(Database()).Clean());
    EXPECT_TRUE(QFile::exists(backup));
}

TEST_F(MaintenanceTest, RestoreNeverOverwritesAnEarlierReplacedFile)
{
    const QString backup = MakeBackup();
    const QString first = Maintenance::Restore(backup, Database());
    const QByteArray kept = Contents(first);

    EXPECT_THROW(Maintenance::Restore(backup, Database()), platform::Error);

    EXPECT_EQ(Contents(first), kept);
    EXPECT_TRUE(Maintenance::Check(Database()).Clean());
}

TEST_F(MaintenanceTest, RestoreWithoutADatabasePutsTheBackupInPlace)
{
    const QString backup = MakeBackup();
    const QString target = InDir(QStringLiteral("new/DB.mdb"));
    ASSERT_TRUE(QDir().mkpath(InDir(QStringLiteral("new"))));

    EXPECT_EQ(Maintenance::Restore(backup, target), QString());
    EXPECT_EQ(Contents(target), Contents(backup));
}

TEST_F(MaintenanceTest, RestoreIsRefusedWhileARunningProgramHoldsTheDatabase)
{
    const QString backup = MakeBackup();
    const QByteArray original = Contents(Database());
    platform::DatabaseLock program(Database());
    ASSERT_TRUE(program.TryLock());

    try {
        Maintenance::Restore(backup, Database());
        FAIL() << "restored a database in use";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("in use"))) << e.message().toStdString();
    }
    EXPECT_EQ(Contents(Database()), original);

    program.Unlock();
    EXPECT_NO_THROW(Maintenance::Restore(backup, Database()));
}

} // namespace
