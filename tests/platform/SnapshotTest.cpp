#include "ProgramFixture.h"

#include "data/Schema.h"
#include "platform/Errors.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"

using namespace platform::db;

namespace {

class Snapshot : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        connection.SetConnectionString(QStringLiteral("Provider=X;Data Source=DB.mdb"));
        connection.SetRequiredTables(Schema::TableNames());
    }

    void Open(const QString& statement)
    {
        query.SetSQL(statement);
        query.Open();
    }

    Connection connection;
    Query query{&connection};
};

TEST_F(Snapshot, ValuesKeepTheEngineTypesAndNamesLoseTheirQuotes)
{
    Open(QStringLiteral("SELECT 7, 2.5, '社团', NULL, X'0102' AS \"A.B\""));
    EXPECT_EQ(query.Fields(0).Value().typeId(), QMetaType::LongLong);
    EXPECT_EQ(query.Fields(0).AsInteger(), 7);
    EXPECT_EQ(query.Fields(1).Value().typeId(), QMetaType::Double);
    EXPECT_EQ(query.Fields(1).AsFloat(), 2.5);
    EXPECT_EQ(query.Fields(2).Value(), QVariant(QStringLiteral("社团")));
    EXPECT_TRUE(query.Fields(3).IsNull());
    EXPECT_EQ(query.Fields(3).Value().typeId(), QMetaType::QString);
    EXPECT_EQ(query.Fields(4).Value(), QVariant(QByteArray("\x01\x02", 2)));
    EXPECT_EQ(query.FieldName(4), QStringLiteral("A.B"));

    Open(QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A"));
    EXPECT_EQ(query.FieldName(0), QStringLiteral("SUM(A.AMOUNT)"));
    EXPECT_TRUE(query.Fields(0).IsNull());
}

// More rows than a column shares texts for: repeated texts, texts that are all
// different, and NULLs between them all read back as they were.
TEST_F(Snapshot, EveryTextReadsBackWhetherSharedOrNot)
{
    const int rows = 70000;
    Open(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1)"
                        " SELECT i, '科目' || (i % 7), '说明' || i, CASE WHEN i % 3 = 0 THEN NULL ELSE '收入' END"
                        " FROM n")
             .arg(rows));
    ASSERT_EQ(query.RecordCount(), rows);
    for (int row = 0; row < rows; ++row) {
        const int i = row + 1;
        ASSERT_EQ(query.ValueAt(row, 0).toInt(), i);
        ASSERT_EQ(query.ValueAt(row, 1).toString(), QStringLiteral("科目%1").arg(i % 7));
        ASSERT_EQ(query.ValueAt(row, 2).toString(), QStringLiteral("说明%1").arg(i));
        ASSERT_EQ(query.ValueAt(row, 3).isNull(), i % 3 == 0);
        ASSERT_EQ(query.ValueAt(row, 3).toString(), i % 3 == 0 ? QString() : QStringLiteral("收入"));
    }
    EXPECT_TRUE(query.ValueAt(rows, 0).isNull());
}

// Opening runs one reading statement and nothing else: a statement that
// changes data, or a second statement behind the first, never runs.
TEST_F(Snapshot, OpenRunsOnlyOneReadingStatement)
{
    AddType(QStringLiteral("类"));
    EXPECT_THROW(Open(QStringLiteral("DELETE FROM T_DEPT")), platform::DbError);
    EXPECT_THROW(Open(QStringLiteral("SELECT 1; DELETE FROM T_DEPT")), platform::DbError);
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT")).toInt(), 1);
    EXPECT_THROW(Open(QStringLiteral("SELECT * FROM T_NOWHERE")), platform::DbError);
    Open(QStringLiteral("SELECT COUNT(*) FROM T_DEPT  "));
    EXPECT_EQ(query.Fields(0).AsInteger(), 1);
}

} // namespace
