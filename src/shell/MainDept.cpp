// The six commands of the association tree's context menu. Each collects its
// input in a dialog, writes through FinanceItem and rebuilds the tree; a command
// whose preconditions do not hold does nothing and shows nothing.
#include "shell/Main.h"

#include "catalogue/uDeptEdit.h"
#include "catalogue/uEdit.h"
#include "data/uClassData.h"
#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"
#include "platform/Conversions.h"
#include "platform/Desktop.h"
#include "shell/dbmodule.h"

namespace {

const QString kTypeUpID = QStringLiteral("0");

// The record of the tree's selected node; nullptr when the tree is empty,
// nothing is selected or the node carries no record.
pTreeRec* SelectedRec(const QTreeWidget* tree)
{
    const QTreeWidgetItem* node = tree->currentItem();
    if (tree->topLevelItemCount() == 0 || !node || !node->isSelected())
        return nullptr;
    return TreeRecOf(node);
}

pTreeRec* SelectedType(const QTreeWidget* tree)
{
    pTreeRec* rec = SelectedRec(tree);
    return rec && rec->UpID == kTypeUpID ? rec : nullptr;
}

pTreeRec* SelectedDept(const QTreeWidget* tree)
{
    pTreeRec* rec = SelectedRec(tree);
    return rec && rec->UpID != kTypeUpID ? rec : nullptr;
}

QString FoundDateText() { return platform::DateToStr(frmDeptEdit->DeptFoundDate.date()); }

} // namespace

void TfrmMain::NnewDeptTypeClick()
{
    frmEdit->SetContent(QString());
    if (frmEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->AddDeptType(frmEdit->Content);
    LoadDeptTree();
}

void TfrmMain::NModiDeptTypeClick()
{
    const pTreeRec* rec = SelectedType(TreeDept);
    if (!rec)
        return;
    const QString id = rec->ID;
    frmEdit->SetContent(rec->Name);
    if (frmEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->ModifyDeptType(id, frmEdit->Content);
    LoadDeptTree();
}

void TfrmMain::NDeleDeptTypeClick()
{
    const pTreeRec* rec = SelectedType(TreeDept);
    if (!rec)
        return;
    if (TreeDept->currentItem()->childCount() > 0) {
        ShowNotice(QStringLiteral("该类型含有社团信息，不能删除！"));
        return;
    }
    const QString id = rec->ID;
    if (!Confirmed(QStringLiteral("确实要删除该社团类型吗？")))
        return;
    FinanceItem->DeleteDeptType(id);
    LoadDeptTree();
}

void TfrmMain::NnewDeptClick()
{
    platform::db::Query* types = DM->temQry;
    OpenQuery(types, QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID=0"));
    types->First();
    if (types->Eof()) {
        ShowNotice(QStringLiteral("没有社团类型信息，不能编辑！"));
        return;
    }
    frmDeptEdit->SetDept(QString(), QString(), QString(), QString(), QString(),
                         QStringLiteral("2003-01-01"));
    if (frmDeptEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->AddDept(frmDeptEdit->DeptName, frmDeptEdit->DeptTypeID, frmDeptEdit->DeptManager,
                         frmDeptEdit->DeptManagerTel, frmDeptEdit->DeptBasicThing, FoundDateText());
    LoadDeptTree();
}

void TfrmMain::NModiDeptClick()
{
    const pTreeRec* rec = SelectedDept(TreeDept);
    if (!rec)
        return;
    const QString id = rec->ID;
    frmDeptEdit->ReadDept(id);
    if (frmDeptEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->ModifyDept(id, frmDeptEdit->DeptName, frmDeptEdit->DeptTypeID,
                            frmDeptEdit->DeptManager, frmDeptEdit->DeptManagerTel,
                            frmDeptEdit->DeptBasicThing, FoundDateText());
    LoadDeptTree();
    frmDeptInfo->DeptID = id;
    frmDeptInfo->LoadDept();
}

void TfrmMain::NDeleDeptClick()
{
    const pTreeRec* rec = SelectedDept(TreeDept);
    if (!rec)
        return;
    const QString id = rec->ID;
    if (!Confirmed(QStringLiteral("确实要删除该社团吗？") + QLatin1Char('\r')
                   + QStringLiteral("该社团所有财务数据也将清除！")))
        return;
    FinanceItem->DeleteDept(id);
    LoadDeptTree();
}
