#include "ledger/uDeptFixedEdit.h"

TfrmDeptFixedEdit* frmDeptFixedEdit = nullptr;

TfrmDeptFixedEdit::TfrmDeptFixedEdit(QWidget* parent)
    : Form(parent), Edt_DeptName(new platform::UpperCaseEdit(this)),
      Edt_Name(new platform::UpperCaseEdit(this)), Edt_Price(new platform::UpperCaseEdit(this)),
      cbo_Status(new QComboBox(this)), dtp_begin_use(new platform::DatePicker(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
}

void TfrmDeptFixedEdit::ClearFixed() {}
void TfrmDeptFixedEdit::LoadFixed(const QString&) {}
void TfrmDeptFixedEdit::btn_OKClick() {}
void TfrmDeptFixedEdit::btn_CancelClick() {}
