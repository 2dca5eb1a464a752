#include "FileDatabase.h"
#include "ProgramFixture.h"

#include "platform/Clock.h"
#include "platform/db/Backup.h"
#include "shell/DataSafety.h"
#include "shell/Main.h"
#include "shell/dbmodule.h"

#include <QDir>
#include <QFile>

using platform::Icon;

namespace {

class BackupTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        const int dept = AddDept(QStringLiteral("书法社"), AddType(QStringLiteral("文化类")));
        AddEntry(dept, AddSubject(QStringLiteral("会费"), QStringLiteral("收入")), 120.5,
                 QStringLiteral("2024-03-01"), QStringLiteral("三月会费"));
        AddFixed(dept, QStringLiteral("毛笔"), 30, QStringLiteral("2023-09-01"));
    }

    QString BackupDir() const { return QDir(Dir()).filePath(QStringLiteral("backup")); }
    QString InBackupDir(const QString& name) const { return QDir(BackupDir()).filePath(name); }
    QStringList BackupFiles() const
    {
        return QDir(BackupDir()).entryList(QDir::Files, QDir::Name);
    }

    // A backup holds the rows written before it, and is a sound database.
    void ExpectCopyOfDatabase(const QString& file)
    {
        ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
        EXPECT_TRUE(platform::db::IntegrityProblems(file).isEmpty());
        EXPECT_EQ(ScalarIn(file, QStringLiteral("SELECT MEMO1 FROM T_WASTE_BOOK")).toString(),
                  QStringLiteral("三月会费"));
        EXPECT_EQ(ScalarIn(file, QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS")).toInt(), 1);
        EXPECT_FALSE(QFile::exists(file + QStringLiteral(".part")));
    }
};

TEST_F(BackupTest, ManualBackupProposesTheBackupFolderAndReportsTheVerifiedCopy)
{
    frmMain->N6->trigger();

    const QString proposed = InBackupDir(QStringLiteral("DB-20240305-140709.mdb"));
    ASSERT_EQ(Desktop().FileDialogs().size(), 1u);
    EXPECT_EQ(Desktop().FileDialogs()[0].caption, QStringLiteral("数据备份"));
    EXPECT_EQ(Desktop().FileDialogs()[0].defaultPath, proposed);
    ExpectCopyOfDatabase(proposed);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数据备份成功：") + proposed);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Information);
}

TEST_F(BackupTest, ManualBackupReplacesAFileTheUserChoseToOverwrite)
{
    const QString chosen = QDir(Dir()).filePath(QStringLiteral("elsewhere.mdb"));
    Write(chosen, "an older file the user chose to overwrite");
    Desktop().AnswerSaveFileName(chosen);

    frmMain->N6Click();

    ExpectCopyOfDatabase(chosen);
    EXPECT_EQ(Desktop().Boxes().back().icon, Icon::Information);
}

TEST_F(BackupTest, BackupHoldsOnlyCommittedWritesOfAnotherConnection)
{
    Sql(QStringLiteral("BEGIN"));
    AddType(QStringLiteral("未提交"));

    frmMain->N6Click();
    Sql(QStringLiteral("ROLLBACK"));

    const QString copy = InBackupDir(QStringLiteral("DB-20240305-140709.mdb"));
    ExpectCopyOfDatabase(copy);
    EXPECT_EQ(ScalarIn(copy, QStringLiteral("SELECT COUNT(*) FROM T_DEPT")).toInt(), 2);
}

TEST_F(BackupTest, CancelInTheDialogDoesNothing)
{
    Desktop().AnswerSaveFileName(QString());
    frmMain->N6Click();
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_TRUE(BackupFiles().isEmpty());
}

TEST_F(BackupTest, ManualBackupThatCannotBeWrittenIsReportedWithTheErrorIcon)
{
    // A folder that cannot be created: its parent is the database file.
    const QString impossible = QDir(Dir()).filePath(QStringLiteral("DB.mdb/copy.mdb"));
    Desktop().AnswerSaveFileName(impossible);

    frmMain->N6Click();

    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_TRUE(Desktop().Boxes()[0].text.startsWith(QStringLiteral("数据备份失败！\r") + impossible))
        << Desktop().Boxes()[0].text.toStdString();
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("错误提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Error);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK")).toInt(), 1);
}

TEST_F(BackupTest, BackupAtStartKeepsTheNewestTenAutomaticCopiesAndNothingElseIsDeleted)
{
    ASSERT_TRUE(QDir().mkpath(BackupDir()));
    QStringList older;
    for (int day = 1; day <= 12; ++day)
        older << QStringLiteral("DB-202401%1-080000-auto.mdb").arg(day, 2, 10, QLatin1Char('0'));
    for (const QString& name : older)
        Write(InBackupDir(name), "old");
    const QStringList others = {QStringLiteral("DB-20000101-000000.mdb"), QStringLiteral("notes.txt")};
    for (const QString& name : others)
        Write(InBackupDir(name), "kept");

    BackupAtStart();

    EXPECT_TRUE(Desktop().Boxes().empty());
    ExpectCopyOfDatabase(InBackupDir(QStringLiteral("DB-20240305-140709-auto.mdb")));
    const QStringList automatic =
        QDir(BackupDir()).entryList({QStringLiteral("DB-*-auto.mdb")}, QDir::Files, QDir::Name);
    EXPECT_EQ(automatic, older.mid(3) << QStringLiteral("DB-20240305-140709-auto.mdb"));
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(InBackupDir(name))) << name.toStdString();
}

TEST_F(BackupTest, BackupAtStartFailureIsReportedOnceAndTheDatabaseStaysUsable)
{
    Write(BackupDir(), "a file where the backup folder should be");

    BackupAtStart();

    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_TRUE(Desktop().Boxes()[0].text.startsWith(QStringLiteral("自动数据备份失败！\r")));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Error);
    EXPECT_TRUE(DM->DB->Connected());
    EXPECT_FALSE(DM->DB->InTransaction());
}

TEST_F(BackupTest, BackupAtStartWithoutAConnectionDoesNothing)
{
    DM->DB->Close();
    BackupAtStart();
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_FALSE(QFileInfo::exists(BackupDir()));
}

} // namespace
