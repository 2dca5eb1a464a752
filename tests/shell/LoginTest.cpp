#include "ShellFixture.h"

#include "platform/Application.h"
#include "shell/Program.h"

#include <QFile>
#include <QLayout>

using platform::Icon;

namespace {

struct LoginCase {
    const char* what;
    const char* storedName;
    const char* storedPassword;
    const char* typedName;
    const char* typedPassword;
    bool accepted;
};

const LoginCase kLoginCases[] = {
    {"name stored in lower case, typed", "abc", "secret", "abc", "secret", true},
    {"password typed in upper case", "ABC", "secret", "ABC", "SECRET", true},
    {"password stored in mixed case", "ABC", "SeCrEt", "ABC", "secret", true},
    {"blanks around the name", "ABC", "secret", "  ABC  ", "secret", true},
    {"trailing blank in the password", "ABC", "secret", "ABC", "secret ", false},
    {"leading blank in the password", "ABC", "secret", "ABC", " secret", false},
    {"prefix of the name", "ABCD", "secret", "ABC", "secret", false},
    {"prefix of the password", "ABC", "secret", "ABC", "secr", false},
    {"empty password against a stored one", "ABC", "secret", "ABC", "", false},
    {"unknown name", "ABC", "secret", "XYZ", "secret", false},
};

} // namespace

class Login : public ShellTest {};

TEST_F(Login, WindowAsTheUserSeesIt)
{
    TfrmLog& w = *frmLog;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("用户登录"));
    EXPECT_EQ(w.Edt_username->accessibleName(), QStringLiteral("用户名"));
    EXPECT_EQ(w.Edt_password->accessibleName(), QStringLiteral("登录密码"));
    EXPECT_EQ(w.Edt_password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.btn_ok->text(), QStringLiteral("确  定"));
    EXPECT_EQ(w.btn_cancel->text(), QStringLiteral("取  消"));
    EXPECT_FALSE(w.btn_ok->autoDefault() || w.btn_ok->isDefault());
    EXPECT_FALSE(w.btn_cancel->autoDefault() || w.btn_cancel->isDefault());
    EXPECT_EQ(w.Edt_username->nextInFocusChain(), w.Edt_password);
    EXPECT_EQ(w.Edt_password->nextInFocusChain(), w.btn_ok);
    EXPECT_EQ(w.btn_ok->nextInFocusChain(), w.btn_cancel);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.layout()->sizeConstraint(), QLayout::SetFixedSize);

    QTest::keyClicks(w.Edt_username, QStringLiteral("admin"));
    EXPECT_EQ(w.Edt_username->text(), QStringLiteral("ADMIN"));
}

TEST_F(Login, MatchesTrimmedNameAndExactPasswordWithoutRegardToCase)
{
    for (const LoginCase& c : kLoginCases) {
        SCOPED_TRACE(c.what);
        Sql(QStringLiteral("DELETE FROM T_user"));
        const int id = AddUser(QString::fromUtf8(c.storedName), QString::fromUtf8(c.storedPassword),
                               QStringLiteral("1"));
        DestroyInstances();
        CreateInstances();
        CurUserID.clear();
        Desktop().Clear();

        LogInWith(QString::fromUtf8(c.typedName), QString::fromUtf8(c.typedPassword));

        if (c.accepted) {
            EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
            EXPECT_EQ(CurUserID, QString::number(id));
            EXPECT_TRUE(Desktop().Boxes().empty());
        } else {
            EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
            EXPECT_TRUE(CurUserID.isEmpty());
            ASSERT_EQ(Desktop().Boxes().size(), 1u);
            EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("输入的密码不正确！"));
            EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("登录失败"));
            EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Error);
        }
    }
}

TEST_F(Login, FirstOfTwoEqualRowsDecidesTheUserAndRight)
{
    const int first = AddUser(QStringLiteral("zed"), QStringLiteral("pw"), QStringLiteral("2"));
    AddUser(QStringLiteral("ZED"), QStringLiteral("PW"), QStringLiteral("1"));

    LogInWith(QStringLiteral("ZED"), QStringLiteral("pw"));

    EXPECT_EQ(CurUserID, QString::number(first));
    EXPECT_EQ(CurUserRight, QStringLiteral("2"));
}

TEST_F(Login, FailedAttemptKeepsBothFieldsAndFocusesThePasswordThenRetryWorks)
{
    LogInWith(QStringLiteral("admin"), QStringLiteral("wrong"));

    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
    EXPECT_EQ(frmLog->Edt_username->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(frmLog->Edt_password->text(), QStringLiteral("wrong"));
    EXPECT_EQ(frmLog->focusWidget(), frmLog->Edt_password);

    // The user table is read once, at the first attempt: a user added since is
    // not seen in this run.
    AddUser(QStringLiteral("LATE"), QStringLiteral("x"), QStringLiteral("1"));
    LogInWith(QStringLiteral("LATE"), QStringLiteral("x"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);

    LogInWith(QStringLiteral("admin"), QStringLiteral("admin"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
    EXPECT_EQ(CurUserID, QStringLiteral("1"));
    EXPECT_EQ(CurUserRight, QStringLiteral("1"));
    EXPECT_EQ(Desktop().Boxes().size(), 2u);
}

TEST_F(Login, EnterMovesFromNameToPasswordAndThenLogsInEscapeDoesNothing)
{
    TfrmLog& w = *frmLog;
    QTest::keyClicks(w.Edt_username, QStringLiteral("admin"));
    QTest::keyClick(w.Edt_username, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.Edt_password);
    EXPECT_EQ(w.ModalResult(), platform::mrNone);
    EXPECT_TRUE(Desktop().Boxes().empty());

    QTest::keyClick(w.Edt_password, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(w.ModalResult(), platform::mrNone);

    QTest::keyClicks(w.Edt_password, QStringLiteral("bad"));
    QTest::keyClick(w.Edt_password, Qt::Key_Enter);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("登录失败"));
    EXPECT_EQ(w.Edt_password->text(), QStringLiteral("bad")) << "Enter is not typed into the field";

    w.Edt_password->setText(QStringLiteral("admin"));
    QTest::keyClick(w.Edt_password, Qt::Key_Return);
    EXPECT_EQ(w.ModalResult(), platform::mrOk);
}

TEST_F(Login, CancelAndTheCloseBoxEndTheProgramWithoutShowingTheMainWindow)
{
    frmLog->PrepareModal();
    frmLog->btn_cancel->click();
    EXPECT_EQ(frmLog->ModalResult(), platform::mrCancel);
    frmLog->PrepareModal();
    frmLog->reject();  // the close box
    EXPECT_EQ(frmLog->ModalResult(), platform::mrCancel);

    Desktop().OnModal([](platform::Form&) { frmLog->btn_cancel->click(); });
    frmMain->show();

    EXPECT_TRUE(platform::Application::Terminated());
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_EQ(FinanceItem, nullptr) << "the remaining first-showing steps are skipped";
    EXPECT_TRUE(CurUserID.isEmpty());
}

// A start in a directory whose DB.mdb is missing: the login reports the error
// at each attempt and works once the file is back.
class LoginWithoutDatabase : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        ASSERT_TRUE(QFile::rename(QStringLiteral("DB.mdb"), QStringLiteral("DB.away")));
        CurUserID.clear();
        CreateInstances();
    }
    void TearDown() override
    {
        DestroyInstances();
        DatabaseTest::TearDown();
    }
};

TEST_F(LoginWithoutDatabase, EachAttemptReportsTheErrorAndTheWindowStaysOpen)
{
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数据库连接错误！请检查数据环境！"));

    for (int attempt = 0; attempt < 2; ++attempt) {
        LogInWith(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        ASSERT_EQ(Desktop().Boxes().size(), 2u + attempt);
        const auto& box = Desktop().Boxes().back();
        EXPECT_EQ(box.caption, QStringLiteral("Varnholt"));
        EXPECT_EQ(box.icon, Icon::Error);
        EXPECT_NE(box.text, QStringLiteral("输入的密码不正确！"));
        EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
        EXPECT_TRUE(CurUserID.isEmpty());
    }

    ASSERT_TRUE(QFile::rename(QStringLiteral("DB.away"), QStringLiteral("DB.mdb")));
    LogInWith(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
    EXPECT_EQ(CurUserID, QStringLiteral("1"));
}
