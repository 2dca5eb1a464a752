#include "ProgramFixture.h"

#include "data/uPublic.h"
#include "platform/Controls.h"
#include "platform/Errors.h"
#include "shell/dbmodule.h"

#include <QFile>

using platform::db::Query;

namespace {
QString SqlErrorText(const QString& statement)
{
    return QStringLiteral("执行SQL语句\r") + statement + QStringLiteral("\r出现错误！");
}
} // namespace

class QueryHelpers : public ProgramTest {};

TEST_F(QueryHelpers, OpenQueryPositionsOnFirstRowOrPastTheEnd)
{
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    Query* q = DM->temQry;
    ASSERT_TRUE(OpenQuery(q, QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID>0")));
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("合唱团"));
    ASSERT_TRUE(OpenQuery(q, QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE ID=-5")));
    EXPECT_TRUE(q->Active());
    EXPECT_TRUE(q->Eof());
    EXPECT_TRUE(q->FieldByName(QStringLiteral("NAME")).AsString().isEmpty());
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(QueryHelpers, FailedOpenShowsTheStatementAndLeavesTheQueryClosed)
{
    const QString statement = QStringLiteral("SELECT * FROM T_DEPTX");
    EXPECT_FALSE(OpenQuery(DM->temQry, statement));
    EXPECT_FALSE(DM->temQry->Active());
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, SqlErrorText(statement));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("错误提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Error);
    EXPECT_THROW(DM->temQry->First(), platform::DbError);
}

TEST_F(QueryHelpers, ExecQueryCommitsOrRollsBackAndReports)
{
    EXPECT_TRUE(ExecQuery(DM->temQry, QStringLiteral("UPDATE T_DEPT SET NAME='X' WHERE ID=99")));
    EXPECT_TRUE(ExecQuery(DM->temQry, QStringLiteral("INSERT INTO T_DEPT(NAME,UPID) VALUES ('A',0)")));
    EXPECT_FALSE(DM->DB->InTransaction());
    const QString bad = QStringLiteral("INSERT INTO T_DEPT(NAME,UPIDX) VALUES ('B',0)");
    EXPECT_FALSE(ExecQuery(DM->temQry, bad));
    EXPECT_FALSE(DM->DB->InTransaction());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT")).toInt(), 1);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, SqlErrorText(bad));
}

TEST_F(QueryHelpers, TransactionHelpersNeverNest)
{
    DBCommitTrans();
    DBRollbackTrans();
    EXPECT_FALSE(DM->DB->InTransaction());
    DBBeginTrans();
    DBBeginTrans();
    EXPECT_TRUE(DM->DB->InTransaction());
    DBCommitTrans();
    EXPECT_FALSE(DM->DB->InTransaction());
}

TEST_F(QueryHelpers, FillIdNameListTrimsNamesAndKeepsEqualOnes)
{
    const int a = AddSubject(QStringLiteral(" 会费 "), QStringLiteral("收入"));
    const int b = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    platform::IdComboBox list;
    list.AddItem(QStringLiteral("old"), 1);
    FillIdNameList(QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE"), list);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), QStringLiteral("会费"));
    EXPECT_EQ(list.itemText(1), QStringLiteral("会费"));
    EXPECT_EQ(list.IdAt(0), a);
    EXPECT_EQ(list.IdAt(1), b);
    EXPECT_TRUE(DM->temQry->Active());
    EXPECT_TRUE(DM->temQry->Eof());

    FillIdNameList(QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE WHERE ID<0"), list);
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_THROW(FillIdNameList(QStringLiteral("SELECT ID,NAME FROM NOPE"), list), platform::DbError);
    EXPECT_EQ(Desktop().Boxes().size(), 1u);
}

TEST_F(QueryHelpers, TableLocateIsCaseInsensitiveAndWholeValue)
{
    Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('guest','Secret','2')"));
    platform::db::Table table(DM->DB, QStringLiteral("T_user"));
    table.Open();
    EXPECT_TRUE(table.Locate(QStringLiteral("NAME;PASSWORD"), {QStringLiteral("GUEST"), QStringLiteral("SECRET")}));
    EXPECT_EQ(table.FieldByName(QStringLiteral("RIGHT")).AsString(), QStringLiteral("2"));
    EXPECT_FALSE(table.Locate(QStringLiteral("NAME;PASSWORD"), {QStringLiteral("GUES"), QStringLiteral("Secret")}));
    EXPECT_FALSE(table.Locate(QStringLiteral("NAME;PASSWORD"), {QStringLiteral("guest"), QStringLiteral("Secret ")}));
}

TEST_F(QueryHelpers, NullsReadAsEmptyZeroAndDateZero)
{
    AddType(QStringLiteral("类型"));
    ASSERT_TRUE(OpenQuery(DM->temQry, QStringLiteral("SELECT MANAGER,FOUND_DATE,SUM(ID*0+NULL) AS S FROM T_DEPT")));
    EXPECT_EQ(DM->temQry->FieldByName(QStringLiteral("MANAGER")).AsString(), QString());
    EXPECT_EQ(DM->temQry->FieldByName(QStringLiteral("S")).AsFloat(), 0.0);
    EXPECT_EQ(DM->temQry->FieldByName(QStringLiteral("S")).AsInteger(), 0);
    EXPECT_EQ(DM->temQry->FieldByName(QStringLiteral("FOUND_DATE")).AsDateTime(),
              QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}

TEST_F(QueryHelpers, ConnectionFailsWithoutOurDatabaseAndRetriesOnNextUse)
{
    DM->DB->Close();
    QFile::rename(QStringLiteral("DB.mdb"), QStringLiteral("saved.mdb"));
    EXPECT_FALSE(OpenQuery(DM->temQry, QStringLiteral("SELECT * FROM T_DEPT")));
    {
        QFile text(QStringLiteral("DB.mdb"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("this is not a database\n");
    }
    EXPECT_FALSE(OpenQuery(DM->temQry, QStringLiteral("SELECT * FROM T_DEPT")));
    EXPECT_FALSE(DM->DB->Connected());
    QFile::remove(QStringLiteral("DB.mdb"));
    QFile::rename(QStringLiteral("saved.mdb"), QStringLiteral("DB.mdb"));
    EXPECT_TRUE(OpenQuery(DM->temQry, QStringLiteral("SELECT * FROM T_DEPT")));
    EXPECT_EQ(Desktop().Boxes().size(), 2u);
}

TEST_F(QueryHelpers, StartupReportsAMissingDatabaseOnceAndGoesOn)
{
    DM->DB->Close();
    QFile::remove(QStringLiteral("DB.mdb"));
    Desktop().Clear();
    TDM module;
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数据库连接错误！请检查数据环境！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("数据库错误！"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Error);
    EXPECT_FALSE(module.DB->Connected());
    EXPECT_EQ(module.DB->Setting(QStringLiteral("Jet OLEDB:Database Password")), QStringLiteral("365074"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("DB.mdb")));
}
