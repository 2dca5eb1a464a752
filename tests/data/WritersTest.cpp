#include "ProgramFixture.h"

#include "data/uClassData.h"
#include "data/uPublic.h"
#include "shell/dbmodule.h"

class Writers : public ProgramTest {};

TEST_F(Writers, EachStatementHasItsExactFormAndTakesEffect)
{
    const int type = AddType(QStringLiteral("类"));
    const int dept = AddDept(QStringLiteral("社"), type);
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    const QString d = QString::number(dept);

    Account->AddFixedAsset(d, QStringLiteral("钢琴"), QStringLiteral("新品"), QStringLiteral("12.50"), QString(),
                           QStringLiteral("2003-12-14"));
    EXPECT_EQ(Account->SQLText,
              QStringLiteral("INSERT INTO T_FIXED_ASSETS([DEPTID],[NAME],[STATUS],[FIRST_PRICE],[MEMO1],[BEGIN_USE_DATE]) "
                             "VALUES(%1,'钢琴','新品',12.50,'',#2003-12-14#)").arg(d));
    const QString asset = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_FIXED_ASSETS")).toString();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT FIRST_PRICE FROM T_FIXED_ASSETS")).toDouble(), 12.5);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MEMO1 FROM T_FIXED_ASSETS")).toString(), QString());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT BEGIN_USE_DATE FROM T_FIXED_ASSETS")).toString(), QStringLiteral("2003-12-14"));

    Account->ModifyFixedAsset(asset, d, QStringLiteral("钢琴"), QStringLiteral("良好"), QStringLiteral("1E3"), QString(),
                              QStringLiteral("2003-1-5"));
    EXPECT_EQ(Account->SQLText,
              QStringLiteral("UPDATE T_FIXED_ASSETS SET [DEPTID]=%1,[NAME]='钢琴',[STATUS]='良好',[FIRST_PRICE]=1E3,"
                             "[MEMO1]=' ',[BEGIN_USE_DATE]=#2003-1-5# WHERE ID=%2").arg(d, asset));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MEMO1 FROM T_FIXED_ASSETS")).toString(), QStringLiteral(" "));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT BEGIN_USE_DATE FROM T_FIXED_ASSETS")).toString(), QStringLiteral("2003-01-05"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT FIRST_PRICE FROM T_FIXED_ASSETS")).toDouble(), 1000.0);

    Account->AddWasteEntry(d, QStringLiteral("2003-12-01"), QString::number(subject), QStringLiteral("-120.5"), QString());
    EXPECT_EQ(Account->SQLText, QStringLiteral("INSERT INTO T_WASTE_BOOK([DEPTID],[DATE],[TYPEID],[AMOUNT],[MEMO1]) "
                                               "VALUES(%1,#2003-12-01#,%2,-120.5,'')").arg(d).arg(subject));
    const QString entry = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_WASTE_BOOK")).toString();
    Account->ModifyWasteEntry(entry, d, QStringLiteral("2003-12-02"), QString::number(subject), QStringLiteral("5"), QString());
    EXPECT_EQ(Account->SQLText, QStringLiteral("UPDATE T_WASTE_BOOK SET [DEPTID]=%1,[DATE]=#2003-12-02#,[TYPEID]=%2,"
                                               "[AMOUNT]=5,[MEMO1]='' WHERE ID=%3").arg(d).arg(subject).arg(entry));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MEMO1 FROM T_WASTE_BOOK")).toString(), QString());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT \"DATE\" FROM T_WASTE_BOOK")).toString(), QStringLiteral("2003-12-02"));

    Account->DeleteWasteEntry(entry);
    EXPECT_EQ(Account->SQLText, QStringLiteral("DELETE FROM T_WASTE_BOOK WHERE ID=") + entry);
    Account->DeleteFixedAsset(asset);
    EXPECT_EQ(Account->SQLText, QStringLiteral("DELETE FROM T_FIXED_ASSETS WHERE ID=") + asset);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK")).toInt()
                  + Scalar(QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS")).toInt(),
              0);

    FinanceItem->AddDeptType(QStringLiteral("新类"));
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("INSERT INTO T_DEPT(NAME,UPID) VALUES ('新类',0)"));
    const QString newType = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toString();
    FinanceItem->ModifyDeptType(newType, QStringLiteral("改类"));
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("UPDATE T_DEPT SET NAME='改类' WHERE ID=") + newType);
    FinanceItem->AddDept(QStringLiteral("新社"), newType, QStringLiteral("王"), QStringLiteral("123"), QStringLiteral("简介"),
                         QStringLiteral("2003-12-14"));
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("INSERT INTO T_DEPT(NAME,UPID,MANAGER,MANAGER_TEL,BASIC_THING,FOUND_DATE) "
                                                   "VALUES ('新社',%1,'王','123','简介','2003-12-14')").arg(newType));
    const QString newDept = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toString();
    FinanceItem->ModifyDept(newDept, QStringLiteral("新社"), newType, QString(), QString(), QString(), QStringLiteral("2003-01-01"));
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("UPDATE T_DEPT SET NAME='新社',UPID=%1,MANAGER='',MANAGER_TEL='',"
                                                   "BASIC_THING='',FOUND_DATE='2003-01-01' WHERE ID=%2").arg(newType, newDept));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT FOUND_DATE FROM T_DEPT WHERE ID=") + newDept).toString(), QStringLiteral("2003-01-01"));

    FinanceItem->AddSubject(QStringLiteral("拨款"), QStringLiteral("收入"));
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("INSERT INTO T_WASTE_BOOK_TYPE([NAME],IN_OUT) VALUES('拨款','收入')"));
    FinanceItem->ModifySubject(QString::number(subject), QStringLiteral("会费"), QStringLiteral("支出"));
    EXPECT_EQ(FinanceItem->SQLText,
              QStringLiteral("UPDATE T_WASTE_BOOK_TYPE SET [NAME]='会费',IN_OUT='支出' WHERE ID=%1").arg(subject));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT IN_OUT FROM T_WASTE_BOOK_TYPE WHERE ID=%1").arg(subject)).toString(),
              QStringLiteral("支出"));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(Writers, QuotesInTextsAreStoredAsTypedEverywhere)
{
    const QString name = QStringLiteral("O'Neil's '); DELETE FROM T_DEPT; --");
    FinanceItem->AddDeptType(name);
    const QString type = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toString();
    FinanceItem->AddDept(name, type, name, name, name, QStringLiteral("2003-12-14"));
    const QString dept = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toString();
    FinanceItem->AddSubject(name, QStringLiteral("收入"));
    const QString subject = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_WASTE_BOOK_TYPE")).toString();
    Account->AddFixedAsset(dept, name, name, QStringLiteral("1"), name, QStringLiteral("2003-12-14"));
    Account->AddWasteEntry(dept, QStringLiteral("2003-12-14"), subject, QStringLiteral("1"), name);
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE NAME=%1").arg(QuotedStr(name))).toInt(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MANAGER||BASIC_THING FROM T_DEPT WHERE ID=") + dept).toString(), name + name);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME FROM T_WASTE_BOOK_TYPE")).toString(), name);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME||STATUS||MEMO1 FROM T_FIXED_ASSETS")).toString(), name + name + name);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MEMO1 FROM T_WASTE_BOOK")).toString(), name);

    FinanceItem->ModifyDeptType(type, QStringLiteral("it's"));
    FinanceItem->ModifyDept(dept, QStringLiteral("it's"), type, QStringLiteral("a'"), QStringLiteral("b'"), QStringLiteral("c'"),
                            QStringLiteral("2003-12-14"));
    FinanceItem->ModifySubject(subject, QStringLiteral("it's"), QStringLiteral("支出"));
    Account->ModifyFixedAsset(Scalar(QStringLiteral("SELECT ID FROM T_FIXED_ASSETS")).toString(), dept, QStringLiteral("it's"),
                              QStringLiteral("良好"), QStringLiteral("2"), QStringLiteral("m'"), QStringLiteral("2003-12-14"));
    Account->ModifyWasteEntry(Scalar(QStringLiteral("SELECT ID FROM T_WASTE_BOOK")).toString(), dept, QStringLiteral("2003-12-14"),
                              subject, QStringLiteral("2"), QStringLiteral("m'"));
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE NAME='it''s'")).toInt(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT MEMO1 FROM T_WASTE_BOOK")).toString(), QStringLiteral("m'"));
}

TEST_F(Writers, FailedWriteIsReportedRolledBackAndLeavesNoTransaction)
{
    Account->AddFixedAsset(QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("新品"), QStringLiteral("1,000"), QString(),
                           QStringLiteral("2003-12-14"));
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("执行SQL语句\r") + Account->SQLText + QStringLiteral("\r出现错误！"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS")).toInt(), 0);
    EXPECT_FALSE(DM->DB->InTransaction());
}

TEST_F(Writers, DeleteDeptRemovesEverythingOrNothing)
{
    const int type = AddType(QStringLiteral("类"));
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    const int keep = AddDept(QStringLiteral("留"), type);
    const int gone = AddDept(QStringLiteral("删"), type);
    for (int dept : {keep, gone}) {
        AddFixed(dept, QStringLiteral("物"), 10, QStringLiteral("2003-12-01"));
        AddEntry(dept, subject, 5, QStringLiteral("2003-12-01"));
        AddEntry(dept, subject, 6, QStringLiteral("2003-12-02"));
    }
    const auto counts = [&](int dept) {
        return Scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM T_DEPT WHERE ID=%1)*100 + "
                                     "(SELECT COUNT(*) FROM T_FIXED_ASSETS WHERE DEPTID=%1)*10 + "
                                     "(SELECT COUNT(*) FROM T_WASTE_BOOK WHERE DEPTID=%1)").arg(dept)).toInt();
    };

    // The association row cannot be deleted: its books must come back too.
    Sql(QStringLiteral("CREATE TRIGGER KEEP_DEPT BEFORE DELETE ON T_DEPT BEGIN SELECT RAISE(ABORT, 'kept'); END"));
    FinanceItem->DeleteDept(QString::number(gone));
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("删除社团信息时产生错误！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_EQ(counts(gone), 112);
    EXPECT_FALSE(DM->DB->InTransaction());

    Sql(QStringLiteral("DROP TRIGGER KEEP_DEPT"));
    FinanceItem->DeleteDept(QString::number(gone));
    EXPECT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(counts(gone), 0);
    EXPECT_EQ(counts(keep), 112);
    EXPECT_EQ(FinanceItem->SQLText, QStringLiteral("DELETE FROM T_DEPT WHERE ID=%1").arg(gone));
    EXPECT_FALSE(DM->DB->InTransaction());
}

TEST_F(Writers, KeysAreNeverReused)
{
    FinanceItem->AddDeptType(QStringLiteral("甲"));
    const int first = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toInt();
    FinanceItem->DeleteDeptType(QString::number(first));
    FinanceItem->AddDeptType(QStringLiteral("乙"));
    EXPECT_GT(Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toInt(), first);
}
