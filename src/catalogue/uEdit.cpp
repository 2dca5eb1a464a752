#include "catalogue/uEdit.h"

TfrmEdit* frmEdit = nullptr;

TfrmEdit::TfrmEdit(QWidget* parent)
    : Form(parent), Edt_content(new QLineEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    Label1 = new QLabel(QStringLiteral("请输入编辑内容："), this);
}

void TfrmEdit::SetContent(const QString& text)
{
    Content = text;
    Edt_content->setText(text);
}

void TfrmEdit::btn_OKClick() {}
void TfrmEdit::btn_CancelClick() {}
