#include "shell/Main.h"

#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"

#include <QStyle>

void TfrmMain::LoadDeptTree()
{
    if (TreeDept->topLevelItemCount() > 0) {
        FreeTreeData(TreeDept);
        TreeDept->clear();
    }
    BuildDeptTree(QStringLiteral("SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT"), TreeDept);
    // Every node, type or association, shows the same picture.
    const QIcon picture = style()->standardIcon(QStyle::SP_DirIcon);
    for (QTreeWidgetItemIterator it(TreeDept); *it; ++it)
        (*it)->setIcon(0, picture);
    TreeDept->expandAll();
    frmDeptInfo->ClearDept();
}

void TfrmMain::TreeDeptClick()
{
    const QTreeWidgetItem* node = TreeDept->currentItem();
    if (!node || !node->isSelected())
        return;
    const pTreeRec* record = TreeRecOf(node);
    if (!record || record->UpID == QLatin1String("0"))
        return;
    frmDeptInfo->DeptID = record->ID;
    frmDeptInfo->LoadDept();
}
