#include "ProgramFixture.h"

#include "platform/Errors.h"
#include "shell/dbmodule.h"
#include "shell/uLog.h"

#include <QFile>
#include <QTest>

class Login : public ProgramTest {
protected:
    // Types into the two fields and presses OK; true when the login closed with OK.
    bool Attempt(const QString& name, const QString& password)
    {
        frmLog->PrepareModal();
        frmLog->Edt_username->setText(name);
        frmLog->Edt_password->setText(password);
        frmLog->btn_okClick();
        return frmLog->ModalResult() == platform::mrOk;
    }
};

TEST_F(Login, MatchesTrimmedNameAndWholePasswordWithoutRegardToCase)
{
    Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('guest','Se cret','2')"));
    const struct {
        const char* name;
        const char* password;
        bool accepted;
    } cases[] = {
        {"GUEST", "Se cret", true},  {"  guest \t", "SE CRET", true}, {"guest", "se cret", true},
        {"GUES", "Se cret", false},  {"guest", "Se cret ", false},    {"guest", " Se cret", false},
        {"guest", "Se", false},      {"", "", false},                 {"ADMIN", "ADMIN", true},
    };
    for (const auto& c : cases) {
        Desktop().Clear();
        EXPECT_EQ(Attempt(QString::fromUtf8(c.name), QString::fromUtf8(c.password)), c.accepted) << c.name << "/" << c.password;
        EXPECT_EQ(Desktop().Boxes().size(), c.accepted ? 0u : 1u);
    }
}

TEST_F(Login, SuccessSetsTheCurrentUserFromTheFirstMatchingRow)
{
    const int first = Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('twin','pw','2')"));
    Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('TWIN','PW','1')"));
    ASSERT_TRUE(Attempt(QStringLiteral("twin"), QStringLiteral("pw")));
    EXPECT_EQ(CurUserID, QString::number(first));
    EXPECT_EQ(CurUserRight, QStringLiteral("2"));
    EXPECT_EQ(frmLog->Edt_username->text(), QStringLiteral("TWIN"));
}

TEST_F(Login, FailureReportsKeepsTheFieldsAndAllowsAnotherAttempt)
{
    frmLog->show();
    EXPECT_FALSE(Attempt(QStringLiteral("admin"), QStringLiteral("wrong")));
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("输入的密码不正确！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("登录失败"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Error);
    EXPECT_EQ(frmLog->focusWidget(), frmLog->Edt_password);
    EXPECT_EQ(frmLog->Edt_username->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(frmLog->Edt_password->text(), QStringLiteral("wrong"));
    EXPECT_TRUE(CurUserID.isEmpty());
    frmLog->Edt_password->setText(QStringLiteral("admin"));
    frmLog->btn_okClick();
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
    EXPECT_EQ(CurUserRight, QStringLiteral("1"));
}

TEST_F(Login, EnterMovesFromNameToPasswordAndThenLogsIn)
{
    frmLog->show();
    frmLog->PrepareModal();
    frmLog->Edt_username->setFocus();
    QTest::keyClicks(frmLog->Edt_username, QStringLiteral("admin"));
    EXPECT_EQ(frmLog->Edt_username->text(), QStringLiteral("ADMIN"));
    QTest::keyClick(frmLog->Edt_username, Qt::Key_Return);
    EXPECT_EQ(frmLog->focusWidget(), frmLog->Edt_password);
    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
    EXPECT_TRUE(Desktop().Boxes().empty());
    QTest::keyClicks(frmLog->Edt_password, QStringLiteral("admin"));
    QTest::keyClick(frmLog->Edt_password, Qt::Key_Escape);
    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
    QTest::keyClick(frmLog->Edt_password, Qt::Key_Return);
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
    EXPECT_EQ(frmLog->Edt_password->echoMode(), QLineEdit::Password);
}

TEST_F(Login, UnavailableDatabaseFailsEachAttemptUntilTheFileIsBack)
{
    DM->DB->Close();
    QFile::rename(QStringLiteral("DB.mdb"), QStringLiteral("away.mdb"));
    frmLog->Edt_username->setText(QStringLiteral("ADMIN"));
    frmLog->Edt_password->setText(QStringLiteral("admin"));
    EXPECT_THROW(frmLog->btn_okClick(), platform::DbError);
    // Through the button the error reaches the top-level report; the window stays.
    frmLog->PrepareModal();
    frmLog->btn_ok->click();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("Varnholt"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
    QFile::rename(QStringLiteral("away.mdb"), QStringLiteral("DB.mdb"));
    frmLog->btn_ok->click();
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
}

TEST_F(Login, CancelClosesWithCancel)
{
    frmLog->PrepareModal();
    frmLog->btn_cancel->click();
    EXPECT_EQ(frmLog->ModalResult(), platform::mrCancel);
}
