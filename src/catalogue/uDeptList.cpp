#include "catalogue/uDeptList.h"

#include "shell/dbmodule.h"

TfrmDeptList* frmDeptList = nullptr;

TfrmDeptList::TfrmDeptList(QWidget* parent)
    : Form(parent), Label1(new QLabel(this)), DBGrid1(new platform::db::DataGrid(this)),
      qryDept(new platform::db::Query(DM->DB, this))
{
    DBGrid1->SetQuery(qryDept);
}

void TfrmDeptList::FormShow() {}
