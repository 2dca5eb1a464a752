#include "data/Schema.h"
#include "platform/Errors.h"
#include "tools/DemoData.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
int Count(const QString& file, const QString& statement)
{
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        if (query.exec(statement) && query.next())
            count = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return count;
}
} // namespace

TEST(Schema, CreatesTheTablesWithOneUserAndRefusesToOverwrite)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("DB.mdb"));
    Schema::CreateDatabase(file, QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("1"));
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name LIKE 'T\\_%' ESCAPE '\\'")), 5);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_user WHERE NAME='ADMIN' AND \"RIGHT\"='1'")), 1);
    EXPECT_THROW(Schema::CreateDatabase(file, QStringLiteral("X"), QStringLiteral("x"), QStringLiteral("1")), platform::Error);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_user")), 1);
}

TEST(DemoData, FillsCatalogueAndBothBooks)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("DB.mdb"));
    Schema::CreateDatabase(file, QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("1"));
    DemoData::Fill(file);
    EXPECT_GT(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE UPID=0")), 0);
    EXPECT_GT(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE UPID>0")), 0);
    EXPECT_GT(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS")), 0);
    EXPECT_GT(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK")), 0);
    EXPECT_GT(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK_TYPE WHERE IN_OUT='收入'")), 0);
}
