#pragma once

#include "ProgramFixture.h"

#include "data/uClassData.h"
#include "platform/Form.h"
#include "shell/Main.h"
#include "shell/uLog.h"

#include <QTest>

// Types into the login window and presses its OK button.
inline void LogInWith(const QString& name, const QString& password)
{
    frmLog->Edt_username->clear();
    QTest::keyClicks(frmLog->Edt_username, name);
    frmLog->Edt_password->setText(password);
    frmLog->btn_ok->click();
}

// The program as at start-up, before the main window's first showing; helpers
// that log in through the login window as a user would.
class ShellTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // The first showing creates the record writers itself.
        delete Account;
        Account = nullptr;
        delete FinanceItem;
        FinanceItem = nullptr;
    }

    int AddUser(const QString& name, const QString& password, const QString& right)
    {
        return Insert(QStringLiteral("INSERT INTO T_user (NAME, PASSWORD, \"RIGHT\") VALUES ('%1', '%2', '%3')")
                          .arg(name, password, right));
    }

    // Shows the main window; the login window answers with the given name and
    // password (and stays cancelled if they do not match).
    void ShowMainAs(const QString& name, const QString& password)
    {
        Desktop().OnModal([=](platform::Form&) { LogInWith(name, password); });
        frmMain->show();
    }
};
