#include "data/uClassData.h"

#include "data/uPublic.h"
#include "platform/Desktop.h"
#include "shell/dbmodule.h"

TAccount* Account = nullptr;
TFinanceItem* FinanceItem = nullptr;

namespace {
QString DateLiteral(const QString& date) { return QLatin1Char('#') + date + QLatin1Char('#'); }
} // namespace

void TAccount::Run() { ExecQuery(DM->temQry, SQLText); }

void TAccount::AddFixedAsset(const QString& deptID, const QString& name, const QString& status,
                             const QString& value, const QString& memo, const QString& date)
{
    SQLText = QStringLiteral("INSERT INTO T_FIXED_ASSETS([DEPTID],[NAME],[STATUS],[FIRST_PRICE],[MEMO1],[BEGIN_USE_DATE]) VALUES(")
              + deptID + QLatin1Char(',') + QuotedStr(name) + QLatin1Char(',') + QuotedStr(status)
              + QLatin1Char(',') + value + QLatin1Char(',') + QuotedStr(memo) + QLatin1Char(',')
              + DateLiteral(date) + QLatin1Char(')');
    Run();
}

void TAccount::ModifyFixedAsset(const QString& id, const QString& deptID, const QString& name,
                                const QString& status, const QString& value,
                                const QString& memo, const QString& date)
{
    // Empty remarks of a changed asset are stored as one blank.
    const QString storedMemo = memo.isEmpty() ? QStringLiteral(" ") : memo;
    SQLText = QStringLiteral("UPDATE T_FIXED_ASSETS SET [DEPTID]=") + deptID
              + QStringLiteral(",[NAME]=") + QuotedStr(name) + QStringLiteral(",[STATUS]=")
              + QuotedStr(status) + QStringLiteral(",[FIRST_PRICE]=") + value
              + QStringLiteral(",[MEMO1]=") + QuotedStr(storedMemo)
              + QStringLiteral(",[BEGIN_USE_DATE]=") + DateLiteral(date)
              + QStringLiteral(" WHERE ID=") + id;
    Run();
}

void TAccount::DeleteFixedAsset(const QString& id)
{
    SQLText = QStringLiteral("DELETE FROM T_FIXED_ASSETS WHERE ID=") + id;
    Run();
}

void TAccount::AddWasteEntry(const QString& deptID, const QString& date, const QString& typeID,
                             const QString& amount, const QString& memo)
{
    SQLText = QStringLiteral("INSERT INTO T_WASTE_BOOK([DEPTID],[DATE],[TYPEID],[AMOUNT],[MEMO1]) VALUES(")
              + deptID + QLatin1Char(',') + DateLiteral(date) + QLatin1Char(',') + typeID
              + QLatin1Char(',') + amount + QLatin1Char(',') + QuotedStr(memo) + QLatin1Char(')');
    Run();
}

void TAccount::ModifyWasteEntry(const QString& id, const QString& deptID, const QString& date,
                                const QString& typeID, const QString& amount, const QString& memo)
{
    SQLText = QStringLiteral("UPDATE T_WASTE_BOOK SET [DEPTID]=") + deptID
              + QStringLiteral(",[DATE]=") + DateLiteral(date) + QStringLiteral(",[TYPEID]=")
              + typeID + QStringLiteral(",[AMOUNT]=") + amount + QStringLiteral(",[MEMO1]=")
              + QuotedStr(memo) + QStringLiteral(" WHERE ID=") + id;
    Run();
}

void TAccount::DeleteWasteEntry(const QString& id)
{
    SQLText = QStringLiteral("DELETE FROM T_WASTE_BOOK WHERE ID=") + id;
    Run();
}

void TFinanceItem::Run() { ExecQuery(DM->temQry, SQLText); }

void TFinanceItem::AddDeptType(const QString& name)
{
    SQLText = QStringLiteral("INSERT INTO T_DEPT(NAME,UPID) VALUES (") + QuotedStr(name)
              + QStringLiteral(",0)");
    Run();
}

void TFinanceItem::ModifyDeptType(const QString& id, const QString& name)
{
    SQLText = QStringLiteral("UPDATE T_DEPT SET NAME=") + QuotedStr(name)
              + QStringLiteral(" WHERE ID=") + id;
    Run();
}

void TFinanceItem::DeleteDeptType(const QString& id)
{
    SQLText = QStringLiteral("DELETE FROM T_DEPT WHERE ID=") + id;
    Run();
}

void TFinanceItem::AddDept(const QString& name, const QString& typeID, const QString& manager,
                           const QString& managerTel, const QString& basicThing,
                           const QString& foundDate)
{
    SQLText = QStringLiteral("INSERT INTO T_DEPT(NAME,UPID,MANAGER,MANAGER_TEL,BASIC_THING,FOUND_DATE) VALUES (")
              + QuotedStr(name) + QLatin1Char(',') + typeID + QLatin1Char(',') + QuotedStr(manager)
              + QLatin1Char(',') + QuotedStr(managerTel) + QLatin1Char(',') + QuotedStr(basicThing)
              + QLatin1Char(',') + QuotedStr(foundDate) + QLatin1Char(')');
    Run();
}

void TFinanceItem::ModifyDept(const QString& id, const QString& name, const QString& typeID,
                              const QString& manager, const QString& managerTel,
                              const QString& basicThing, const QString& foundDate)
{
    SQLText = QStringLiteral("UPDATE T_DEPT SET NAME=") + QuotedStr(name) + QStringLiteral(",UPID=")
              + typeID + QStringLiteral(",MANAGER=") + QuotedStr(manager)
              + QStringLiteral(",MANAGER_TEL=") + QuotedStr(managerTel)
              + QStringLiteral(",BASIC_THING=") + QuotedStr(basicThing)
              + QStringLiteral(",FOUND_DATE=") + QuotedStr(foundDate) + QStringLiteral(" WHERE ID=") + id;
    Run();
}

void TFinanceItem::Execute(const QString& statement)
{
    SQLText = statement;
    DM->temQry->Close();
    DM->temQry->SetSQL(SQLText);
    DM->temQry->ExecSQL();
}

void TFinanceItem::DeleteDept(const QString& id)
{
    // Beginning the transaction is outside the error handling: if it cannot
    // begin, nothing is deleted and the error goes to the caller.
    DBBeginTrans();
    try {
        Execute(QStringLiteral("DELETE FROM T_WASTE_BOOK WHERE DEPTID=") + id);
        Execute(QStringLiteral("DELETE FROM T_FIXED_ASSETS WHERE DEPTID=") + id);
        Execute(QStringLiteral("DELETE FROM T_DEPT WHERE ID=") + id);
        DBCommitTrans();
    } catch (const std::exception&) {
        try {
            DBRollbackTrans();
        } catch (const std::exception&) {
            // Reported below; the transaction is gone either way.
        }
        platform::Desktop::Current().MessageBox(QStringLiteral("删除社团信息时产生错误！"),
                                                QStringLiteral("提示"), platform::Icon::Warning,
                                                platform::Buttons::Ok);
    }
}

void TFinanceItem::AddSubject(const QString& name, const QString& inOut)
{
    SQLText = QStringLiteral("INSERT INTO T_WASTE_BOOK_TYPE([NAME],IN_OUT) VALUES(") + QuotedStr(name)
              + QLatin1Char(',') + QuotedStr(inOut) + QLatin1Char(')');
    Run();
}

void TFinanceItem::ModifySubject(const QString& id, const QString& name, const QString& inOut)
{
    SQLText = QStringLiteral("UPDATE T_WASTE_BOOK_TYPE SET [NAME]=") + QuotedStr(name)
              + QStringLiteral(",IN_OUT=") + QuotedStr(inOut) + QStringLiteral(" WHERE ID=") + id;
    Run();
}
