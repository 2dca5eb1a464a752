#include "ledger/uDeptInfo.h"

#include "shell/dbmodule.h"

#include <QVBoxLayout>

TfrmDeptInfo* frmDeptInfo = nullptr;

using platform::db::DataGrid;
using platform::db::Query;

TfrmDeptInfo::TfrmDeptInfo(QWidget* parent)
    : QWidget(parent), GP_dept(new QGroupBox(QStringLiteral("社团基本情况："), this)),
      Edt_name(new platform::UpperCaseEdit(GP_dept)), Edt_typename(new platform::UpperCaseEdit(GP_dept)),
      dtp_found(new platform::DatePicker(GP_dept)), Edt_Manager(new platform::UpperCaseEdit(GP_dept)),
      Edt_Manager_Tel(new platform::UpperCaseEdit(GP_dept)), Memo1(new QPlainTextEdit(GP_dept)),
      btn_view(new QPushButton(QStringLiteral("财务状况"), GP_dept)), Splitter1(new QSplitter(this)),
      PC_date(new QTabWidget(this)), lab_fixed(new QLabel(QStringLiteral("0000"), this)),
      Lab_Waste_in(new QLabel(QStringLiteral("0000"), this)),
      Lab_Waste_out(new QLabel(QStringLiteral("0000"), this)),
      Lab_Waste(new QLabel(QStringLiteral("0000"), this)), DBGrid1(new DataGrid(this)),
      DBG(new DataGrid(this)), qryDept(new Query(DM->DB, this)), qryFixed(new Query(DM->DB, this)),
      qryWaste(new Query(DM->DB, this)), qrySum(new Query(DM->DB, this)), pmFixed(new QMenu(this)),
      pmWaste(new QMenu(this))
{
    setWindowTitle(QStringLiteral("社团财务管理"));
    NNewFixed = pmFixed->addAction(QStringLiteral("新增固定资产"));
    NModiFixed = pmFixed->addAction(QStringLiteral("修改固定资产"));
    NDeleFixed = pmFixed->addAction(QStringLiteral("删除固定资产"));
    nNewWaste = pmWaste->addAction(QStringLiteral("新增流水帐目"));
    nModiWaste = pmWaste->addAction(QStringLiteral("修改流水帐目"));
    nDeleWaste = pmWaste->addAction(QStringLiteral("删除流水帐目"));
    PC_date->addTab(DBGrid1, QStringLiteral("固定资产"));
    PC_date->addTab(DBG, QStringLiteral("流水帐"));
    PC_date->setCurrentIndex(1);
    DBGrid1->SetQuery(qryFixed);
    DBG->SetQuery(qryWaste);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GP_dept);
    layout->addWidget(PC_date);
}

void TfrmDeptInfo::ClearDept() { DeptID.clear(); }
void TfrmDeptInfo::LoadDept() {}
void TfrmDeptInfo::btn_viewClick() {}
void TfrmDeptInfo::NNewFixedClick() {}
void TfrmDeptInfo::NModiFixedClick() {}
void TfrmDeptInfo::NDeleFixedClick() {}
void TfrmDeptInfo::nNewWasteClick() {}
void TfrmDeptInfo::nModiWasteClick() {}
void TfrmDeptInfo::nDeleWasteClick() {}
