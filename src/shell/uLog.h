#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/db/Query.h"

#include <QPushButton>

// The logged-in user: empty until the login succeeds, then set once.
extern QString CurUserID;
extern QString CurUserRight;

// The login window, shown modally at the main window's first showing.
class TfrmLog : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmLog(QWidget* parent = nullptr);

    void btn_okClick();
    void btn_cancelClick();
    // Key handlers of the two fields; Enter (code 13) is handled and cleared.
    void Edt_usernameKeyPress(QChar& key);
    void Edt_passwordKeyPress(QChar& key);

    QLabel* ST_Name;
    platform::UpperCaseEdit* Edt_username;
    QLabel* StaticText2;
    QLineEdit* Edt_password;
    QPushButton* btn_ok;
    QPushButton* btn_cancel;
    platform::db::Table* tab_user;
};

extern TfrmLog* frmLog;
