#include "shell/Program.h"

#include "catalogue/uDeptEdit.h"
#include "catalogue/uDeptList.h"
#include "catalogue/uEdit.h"
#include "data/uClassData.h"
#include "ledger/uDeptFixedEdit.h"
#include "ledger/uDeptInfo.h"
#include "ledger/uDeptWasteEdit.h"
#include "shell/Main.h"
#include "shell/dbmodule.h"
#include "shell/uAbout.h"
#include "shell/uLog.h"
#include "subjects/uDicSubject.h"
#include "subjects/uWasteItemEdit.h"

#include <QMdiSubWindow>

void CreateInstances()
{
    frmMain = new TfrmMain;
    DM = new TDM;
    frmAboutBox = new TfrmAboutBox(frmMain);
    frmLog = new TfrmLog(frmMain);
    frmDeptInfo = new TfrmDeptInfo;
    QMdiSubWindow* child = frmMain->ClientArea->addSubWindow(
        frmDeptInfo, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    child->setWindowTitle(frmDeptInfo->windowTitle());
    child->showMaximized();
    frmEdit = new TfrmEdit(frmMain);
    frmDeptEdit = new TfrmDeptEdit(frmMain);
    frmDeptList = new TfrmDeptList(frmMain);
    frmWasteTypeEdit = new TfrmWasteTypeEdit(frmMain);
    frmDicSubject = new TfrmDicSubject(frmMain);
    frmDeptFixedEdit = new TfrmDeptFixedEdit(frmMain);
    frmDeptWasteEdit = new TfrmDeptWasteEdit(frmMain);
    frmMain->SetupReports();
}

void DestroyInstances()
{
    delete Account;
    Account = nullptr;
    delete FinanceItem;
    FinanceItem = nullptr;
    delete frmMain;  // owns the windows and the finance window
    frmMain = nullptr;
    frmAboutBox = nullptr;
    frmLog = nullptr;
    frmDeptInfo = nullptr;
    frmEdit = nullptr;
    frmDeptEdit = nullptr;
    frmDeptList = nullptr;
    frmWasteTypeEdit = nullptr;
    frmDicSubject = nullptr;
    frmDeptFixedEdit = nullptr;
    frmDeptWasteEdit = nullptr;
    delete DM;
    DM = nullptr;
}
