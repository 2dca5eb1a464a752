#include "platform/Errors.h"
#include "platform/db/SqlDialect.h"

#include <gtest/gtest.h>

using platform::db::SqlDialect;

TEST(SqlDialect, TranslatesNamesAndDatesButNeverQuotedTexts)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"UPDATE T_USER SET [PASSWORD]='x' WHERE ID=1", "UPDATE T_USER SET \"PASSWORD\"='x' WHERE ID=1"},
        {"SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A", "SELECT SUM(\"A\".\"AMOUNT\") FROM T_WASTE_BOOK A"},
        {"VALUES(1,#2003-1-5#,2)", "VALUES(1,'2003-01-05',2)"},
        {"A.DATE BETWEEN #2003-12-01# AND #2003-12-14#", "A.DATE BETWEEN '2003-12-01' AND '2003-12-14'"},
        {"VALUES('#1# [x]','O''Neil [y] #z#')", "VALUES('#1# [x]','O''Neil [y] #z#')"},
        {"SELECT \"[a]\" FROM T ", "SELECT \"[a]\" FROM T "},
        {"SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT", "SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT"},
        {"WHERE D=#2003/12/14 00:00:00#", "WHERE D='2003-12-14'"},
        {"WHERE D=#2003-12-14 10:05#", "WHERE D='2003-12-14 10:05:00'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SqlDialect::ToEngine(QString::fromUtf8(c.in)).toStdString(), c.out) << c.in;
}

TEST(SqlDialect, RejectsMalformedStatements)
{
    for (const char* bad : {"WHERE D=#2003-13-01#", "WHERE D=#yesterday#", "WHERE D=#2003-1-1",
                            "SET [NAME='x'", "VALUES('open"})
        EXPECT_THROW(SqlDialect::ToEngine(QString::fromUtf8(bad)), platform::DbError) << bad;
}
