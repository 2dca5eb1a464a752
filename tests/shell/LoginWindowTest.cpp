#include "ShellFixture.h"

#include "shell/Program.h"

#include <QFile>
#include <QLayout>

using platform::Icon;

class LoginWindow : public ShellTest {};

TEST_F(LoginWindow, LooksAndTabsAsDescribed)
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

    // The close box ends the login like Cancel.
    w.PrepareModal();
    w.reject();
    EXPECT_EQ(w.ModalResult(), platform::mrCancel);
}

TEST_F(LoginWindow, UserTableIsReadOnceAtTheFirstAttempt)
{
    LogInWith(QStringLiteral("admin"), QStringLiteral("wrong"));
    // A user added since the first attempt is not seen in this run.
    AddUser(QStringLiteral("LATE"), QStringLiteral("x"), QStringLiteral("1"));
    LogInWith(QStringLiteral("LATE"), QStringLiteral("x"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
    EXPECT_EQ(Desktop().Boxes().size(), 2u);

    LogInWith(QStringLiteral("admin"), QStringLiteral("admin"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
}

// A start in a directory without DB.mdb: the connection error once at start-up,
// then the login reports the error at each attempt and works once the file is back.
class StartWithoutDatabase : public DatabaseTest {
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

TEST_F(StartWithoutDatabase, ConnectionErrorOnceThenEachLoginAttemptFailsUntilTheFileIsBack)
{
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数据库连接错误！请检查数据环境！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("数据库错误！"));

    for (int attempt = 0; attempt < 2; ++attempt) {
        LogInWith(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        ASSERT_EQ(Desktop().Boxes().size(), 2u + attempt);
        const auto& box = Desktop().Boxes().back();
        EXPECT_EQ(box.caption, QStringLiteral("Varnholt"));
        EXPECT_EQ(box.icon, Icon::Error);
        EXPECT_EQ(frmLog->ModalResult(), platform::mrNone);
        EXPECT_TRUE(CurUserID.isEmpty());
    }

    ASSERT_TRUE(QFile::rename(QStringLiteral("DB.away"), QStringLiteral("DB.mdb")));
    LogInWith(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
    EXPECT_EQ(CurUserID, QStringLiteral("1"));
}
