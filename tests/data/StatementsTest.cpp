// Every reading statement the program sends, run as written against a real
// database: the dialect must accept each one unchanged and return what its
// window expects.
#include "ProgramFixture.h"

#include "data/uPublic.h"
#include "shell/dbmodule.h"

namespace {

struct Expectation {
    QString statement;
    int rows;
    QString field;     // a field of the first row to check ("" for none)
    QString firstValue;
};

} // namespace

class Statements : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        type = AddType(QStringLiteral("文化类"));
        otherType = AddType(QStringLiteral("A体育类"));
        dept = AddDept(QStringLiteral("合唱团"), type, QStringLiteral("2003-12-14"));
        otherDept = AddDept(QStringLiteral("足球队"), otherType);
        income = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
        expense = AddSubject(QStringLiteral("活动"), QStringLiteral("支出"));
        asset = AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2003-12-01"));
        AddFixed(dept, QStringLiteral("音响"), 250.5, QStringLiteral("2003-12-15"));
        AddFixed(otherDept, QStringLiteral("球门"), 80, QStringLiteral("2003-12-14"));
        entry = AddEntry(dept, income, 300, QStringLiteral("2003-12-01"), QStringLiteral("会费"));
        AddEntry(dept, expense, 120.5, QStringLiteral("2003-12-14"));
        AddEntry(dept, expense, 10, QStringLiteral("2003-12-15"));
        AddEntry(otherDept, income, 50, QStringLiteral("2003-11-30"));
    }

    int type = 0, otherType = 0, dept = 0, otherDept = 0, income = 0, expense = 0, asset = 0, entry = 0;
};

TEST_F(Statements, EveryReadingStatementRunsUnchangedAndReturnsItsRows)
{
    const QString d = QString::number(dept);
    const QString fixedSearch = QStringLiteral(
        "SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,A.NOW_PRICE,A.MEMO1,B.NAME AS DEPTNAME "
        "FROM T_FIXED_ASSETS A,T_DEPT B WHERE A.DEPTID=B.ID ");
    const QString wasteSearch = QStringLiteral(
        "SELECT A.ID,A.DATE,A.AMOUNT,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1,C.NAME AS DEPTNAME "
        "FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C WHERE A.DEPTID=C.ID AND A.TYPEID=B.ID ");
    const std::vector<Expectation> cases = {
        // association tree and commands
        {QStringLiteral("SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT"), 4, QStringLiteral("Root"), QStringLiteral("0")},
        {QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID=0"), 2, QStringLiteral("NAME"), QStringLiteral("文化类")},
        // association editor and list
        {QStringLiteral("SELECT NAME,UPID,MANAGER,MANAGER_TEL,BASIC_THING,FOUND_DATE FROM T_DEPT WHERE ID=") + d, 1,
         QStringLiteral("FOUND_DATE"), QStringLiteral("2003-12-14")},
        {QStringLiteral("SELECT A.ID,A.NAME,A.MANAGER,A.MANAGER_TEL,A.BASIC_THING,A.FOUND_DATE,A.MEMO1,B.NAME AS TYPENAME "
                        "FROM T_DEPT A,T_DEPT B WHERE A.UPID=B.ID ORDER BY B.NAME "),
         2, QStringLiteral("typename"), QStringLiteral("A体育类")},
        // finance window
        {QStringLiteral("SELECT A.ID,A.NAME,A.MANAGER,A.MANAGER_TEL,A.BASIC_THING,A.FOUND_DATE,A.MEMO1,B.NAME AS TYPENAME "
                        "FROM T_DEPT A,T_DEPT B WHERE A.UPID=B.ID AND A.ID=") + d,
         1, QStringLiteral("TYPENAME"), QStringLiteral("文化类")},
        {fixedSearch.trimmed() + QStringLiteral(" AND A.DEPTID=") + d, 2, QStringLiteral("DEPTNAME"), QStringLiteral("合唱团")},
        {wasteSearch + QStringLiteral("AND A.DEPTID=") + d, 3, QStringLiteral("DEPTNAME"), QStringLiteral("合唱团")},
        {QStringLiteral("SELECT SUM(A.FIRST_PRICE) FROM T_FIXED_ASSETS A WHERE A.DEPTID=") + d, 1, QString(), QStringLiteral("1250.5")},
        {QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B WHERE A.TYPEID=B.ID AND A.DEPTID=")
             + d + QStringLiteral(" AND B.IN_OUT='收入'"),
         1, QString(), QStringLiteral("300")},
        {QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B WHERE A.TYPEID=B.ID AND A.DEPTID=")
             + d + QStringLiteral(" AND B.IN_OUT='支出'"),
         1, QString(), QStringLiteral("130.5")},
        {QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE "), 2, QStringLiteral("NAME"), QStringLiteral("会费")},
        // fixed-asset and cash-flow editors
        {QStringLiteral("SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,A.NOW_PRICE,A.MEMO1 FROM T_FIXED_ASSETS A WHERE A.ID=")
             + QString::number(asset),
         1, QStringLiteral("FIRST_PRICE"), QStringLiteral("1000")},
        {QStringLiteral("SELECT A.DATE,A.AMOUNT,A.TYPEID,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1 FROM T_WASTE_BOOK A,"
                        "T_WASTE_BOOK_TYPE B WHERE A.TYPEID=B.ID AND A.ID=") + QString::number(entry),
         1, QStringLiteral("IN_OUT"), QStringLiteral("收入")},
        {QStringLiteral("SELECT IN_OUT FROM T_WASTE_BOOK_TYPE WHERE ID=") + QString::number(expense), 1, QString(), QStringLiteral("支出")},
        // search
        {QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID>0"), 2, QString(), QString()},
        {fixedSearch, 3, QString(), QString()},
        {wasteSearch, 4, QString(), QString()},
        {fixedSearch + QStringLiteral(" AND A.DEPTID=") + d + QStringLiteral(" AND (A.FIRST_PRICE BETWEEN 250.5 AND 1000) "), 2, QString(), QString()},
        {wasteSearch + QStringLiteral(" AND (A.AMOUNT BETWEEN 100 AND 300) "), 2, QString(), QString()},
        {fixedSearch + QStringLiteral(" AND (A.BEGIN_USE_DATE BETWEEN #2003-12-01# AND #2003-12-14#) "), 2, QString(), QString()},
        {wasteSearch + QStringLiteral(" AND (A.DATE BETWEEN #2003-12-01# AND #2003-12-14#) "), 2, QString(), QString()},
        {wasteSearch + QStringLiteral(" AND (A.DATE BETWEEN #2003-12-14# AND #2003-12-01#) "), 0, QString(), QString()},
        {wasteSearch + QStringLiteral(" AND (A.AMOUNT BETWEEN 300 AND 100) "), 0, QString(), QString()},
        // subject dictionary
        {QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE"), 2, QString(), QString()},
    };
    for (const Expectation& c : cases) {
        SCOPED_TRACE(c.statement.toStdString());
        ASSERT_TRUE(OpenQuery(DM->temQry, c.statement));
        EXPECT_EQ(DM->temQry->RecordCount(), c.rows);
        if (!c.firstValue.isEmpty()) {
            const auto field = c.field.isEmpty() ? DM->temQry->Fields(0) : DM->temQry->FieldByName(c.field);
            EXPECT_EQ(field.AsString(), c.firstValue);
        }
    }
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(Statements, SumsOverNoRowsAreNull)
{
    const int empty = AddDept(QStringLiteral("空社团"), type);
    ASSERT_TRUE(OpenQuery(DM->temQry, QStringLiteral("SELECT SUM(A.FIRST_PRICE) FROM T_FIXED_ASSETS A WHERE A.DEPTID=")
                                          + QString::number(empty)));
    EXPECT_EQ(DM->temQry->Fields(0).AsString(), QString());
    ASSERT_TRUE(OpenQuery(DM->temQry, QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B "
                                                     "WHERE A.TYPEID=B.ID AND A.DEPTID=")
                                          + QString::number(empty) + QStringLiteral(" AND B.IN_OUT='收入'")));
    EXPECT_EQ(DM->temQry->Fields(0).AsFloat(), 0.0);
}

TEST_F(Statements, PasswordChangeAddressesTheLoginTable)
{
    ASSERT_TRUE(ExecQuery(DM->temQry, QStringLiteral("UPDATE T_USER SET [PASSWORD]=") + QuotedStr(QStringLiteral("it's"))
                                          + QStringLiteral(" WHERE ID=1")));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PASSWORD FROM T_user WHERE ID=1")).toString(), QStringLiteral("it's"));
}
