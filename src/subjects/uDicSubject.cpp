#include "subjects/uDicSubject.h"

TfrmDicSubject* frmDicSubject = nullptr;

TfrmDicSubject::TfrmDicSubject(QWidget* parent)
    : Form(parent), lb_subject(new platform::IdListBox(this)),
      btn_new(new QPushButton(QStringLiteral("新增"), this)),
      btn_modi(new QPushButton(QStringLiteral("修改"), this)),
      btn_close(new QPushButton(QStringLiteral("离开"), this))
{
}

void TfrmDicSubject::FormShow() {}
void TfrmDicSubject::btn_newClick() {}
void TfrmDicSubject::btn_modiClick() {}
void TfrmDicSubject::btn_closeClick() {}
