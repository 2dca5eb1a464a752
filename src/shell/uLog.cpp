#include "shell/uLog.h"

#include "shell/dbmodule.h"

QString CurUserID;
QString CurUserRight;
TfrmLog* frmLog = nullptr;

TfrmLog::TfrmLog(QWidget* parent)
    : Form(parent), Edt_username(new platform::UpperCaseEdit(this)),
      Edt_password(new QLineEdit(this)), btn_ok(new QPushButton(QStringLiteral("确  定"), this)),
      btn_cancel(new QPushButton(QStringLiteral("取  消"), this)),
      tab_user(new platform::db::Table(DM->DB, QStringLiteral("T_user"), this))
{
    ST_Name = platform::CaptionFor(Edt_username, QStringLiteral("用户名"), this);
    StaticText2 = platform::CaptionFor(Edt_password, QStringLiteral("登录密码"), this);
}

void TfrmLog::btn_okClick() {}
void TfrmLog::btn_cancelClick() {}
void TfrmLog::Edt_usernameKeyPress(QChar&) {}
void TfrmLog::Edt_passwordKeyPress(QChar&) {}
