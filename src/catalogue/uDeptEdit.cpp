#include "catalogue/uDeptEdit.h"

TfrmDeptEdit* frmDeptEdit = nullptr;

TfrmDeptEdit::TfrmDeptEdit(QWidget* parent)
    : Form(parent), Edt_name(new platform::UpperCaseEdit(this)),
      cbo_DeptType(new platform::IdComboBox(this)), dtp_found(new platform::DatePicker(this)),
      Edt_Manager(new platform::UpperCaseEdit(this)), Edt_Manager_Tel(new platform::UpperCaseEdit(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
}

void TfrmDeptEdit::SetDept(const QString&, const QString&, const QString&, const QString&,
                           const QString&, const QString&)
{
}
void TfrmDeptEdit::ReadDept(const QString&) {}
void TfrmDeptEdit::FormShow() {}
void TfrmDeptEdit::btn_OKClick() {}
void TfrmDeptEdit::btn_CancelClick() {}
