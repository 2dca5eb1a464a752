#include "ProgramFixture.h"

#include "data/Schema.h"
#include "platform/Errors.h"
#include "platform/db/Connection.h"
#include "platform/db/DataGrid.h"
#include "platform/db/Query.h"

#include <QTest>

using namespace platform::db;

class QueryAndGrid : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        connection.SetConnectionString(QStringLiteral("Provider=X;Data Source=DB.mdb;Persist Security Info=False"));
        connection.SetRequiredTables(Schema::TableNames());
        const int type = AddType(QStringLiteral("类"));
        for (const char* name : {"甲", "乙", "丙"})
            AddDept(QString::fromUtf8(name), type);
    }
    Connection connection;
};

TEST_F(QueryAndGrid, StaticCursorStopsAtTheEnds)
{
    Query query(&connection);
    query.SetSQL(QStringLiteral("SELECT NAME FROM T_DEPT WHERE UPID>0 ORDER BY ID"));
    query.Open();
    EXPECT_EQ(query.RecNo(), 0);
    EXPECT_FALSE(query.Eof());
    query.Prior();
    EXPECT_TRUE(query.Bof());
    EXPECT_EQ(query.RecNo(), 0);
    query.Last();
    EXPECT_EQ(query.Fields(0).AsString(), QStringLiteral("丙"));
    query.Next();
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.RecNo(), 2);
    query.First();
    int seen = 0;
    for (; !query.Eof(); query.Next())
        ++seen;
    EXPECT_EQ(seen, 3);
    EXPECT_THROW(query.FieldByName(QStringLiteral("NOPE")), platform::DbError);
    query.Close();
    EXPECT_THROW(query.Fields(0), platform::DbError);
    query.SetSQL(QStringLiteral("DELETE FROM T_DEPT WHERE ID<0"));
    EXPECT_THROW(query.Open(), platform::DbError);
}

TEST_F(QueryAndGrid, GridShowsTheResultFollowsTheCursorAndMovesItOnClick)
{
    Query query(&connection);
    DataGrid grid;
    grid.SetQuery(&query);
    grid.AddColumn(QStringLiteral("name"), QStringLiteral("社团名称"));
    grid.AddColumn(QStringLiteral("FOUND_DATE"), QStringLiteral("成立时间"));
    grid.SetRowColor([](const Query&, int row) { return row == 1 ? QColor(Qt::red) : QColor(Qt::white); });
    EXPECT_EQ(grid.RowCount(), 0);
    query.SetSQL(QStringLiteral("SELECT NAME,FOUND_DATE FROM T_DEPT WHERE UPID>0 ORDER BY ID"));
    query.Open();
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColumnTitle(0), QStringLiteral("社团名称"));
    EXPECT_EQ(grid.CellText(1, 0), QStringLiteral("乙"));
    EXPECT_EQ(grid.CellText(1, 1), QStringLiteral("2003-01-01"));
    EXPECT_EQ(grid.CellBackground(1, 1), QColor(Qt::red));
    EXPECT_EQ(grid.currentIndex().row(), 0);
    query.Next();
    query.Next();
    EXPECT_EQ(grid.currentIndex().row(), 2);

    grid.resize(400, 300);
    grid.show();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 0)).center());
    EXPECT_EQ(query.RecNo(), 1);
    EXPECT_EQ(query.FieldByName(QStringLiteral("NAME")).AsString(), QStringLiteral("乙"));
    query.Close();
    EXPECT_EQ(grid.RowCount(), 0);
}
