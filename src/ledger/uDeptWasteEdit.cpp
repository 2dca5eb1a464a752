#include "ledger/uDeptWasteEdit.h"

TfrmDeptWasteEdit* frmDeptWasteEdit = nullptr;

TfrmDeptWasteEdit::TfrmDeptWasteEdit(QWidget* parent)
    : Form(parent), Edt_DeptName(new platform::UpperCaseEdit(this)),
      dtp_date(new platform::DatePicker(this)), Edt_AMOUNT(new platform::UpperCaseEdit(this)),
      cbo_Waste_type(new platform::IdComboBox(this)), Edt_Inout(new QLineEdit(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
}

void TfrmDeptWasteEdit::ClearWaste() {}
void TfrmDeptWasteEdit::LoadWaste(const QString&) {}
void TfrmDeptWasteEdit::FormShow() {}
void TfrmDeptWasteEdit::cbo_Waste_typeChange() {}
void TfrmDeptWasteEdit::btn_OKClick() {}
void TfrmDeptWasteEdit::btn_CancelClick() {}
