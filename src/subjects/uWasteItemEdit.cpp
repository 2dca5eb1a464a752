#include "subjects/uWasteItemEdit.h"

TfrmWasteTypeEdit* frmWasteTypeEdit = nullptr;

TfrmWasteTypeEdit::TfrmWasteTypeEdit(QWidget* parent)
    : Form(parent), Edt_name(new platform::UpperCaseEdit(this)),
      rb_in(new QRadioButton(QStringLiteral("收入"), this)),
      rb_out(new QRadioButton(QStringLiteral("支出"), this)),
      btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    rb_out->setChecked(true);
}

void TfrmWasteTypeEdit::SetSubject(const QString&, const QString&) {}
void TfrmWasteTypeEdit::btn_OKClick() {}
void TfrmWasteTypeEdit::btn_CancelClick() {}
