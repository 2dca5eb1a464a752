#include "ShellFixture.h"

#include "catalogue/uEdit.h"
#include "shell/Program.h"

using platform::Icon;

namespace {

// The prompt as the password change shows it: what the user saw, then typed.
struct PromptSeen {
    QString caption;
    QString text;
    bool masked = false;
};

} // namespace

class PasswordChange : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        ASSERT_EQ(CurUserID, QStringLiteral("1"));
        Desktop().Clear();
    }

    // Runs the command; the prompt gets the typed text and OK, or Cancel.
    PromptSeen Change(const QString& typed, bool ok = true)
    {
        PromptSeen seen;
        Desktop().OnModal([&](platform::Form&) {
            seen = {frmEdit->windowTitle(), frmEdit->Edt_content->text(),
                    frmEdit->Edt_content->echoMode() == QLineEdit::Password};
            QTest::keyClicks(frmEdit->Edt_content, typed);
            (ok ? frmEdit->btn_OK : frmEdit->btn_Cancel)->click();
        });
        frmMain->NSetPassword->trigger();
        return seen;
    }

    QString StoredPassword() { return Scalar(QStringLiteral("SELECT PASSWORD FROM T_user WHERE ID=1")).toString(); }

    // Logs in again as at the next start of the program.
    bool NextLogin(const QString& password)
    {
        DestroyInstances();
        CreateInstances();
        CurUserID.clear();
        LogInWith(QStringLiteral("ADMIN"), password);
        return frmLog->ModalResult() == platform::mrOk;
    }

    bool Masked() const { return frmEdit->Edt_content->echoMode() == QLineEdit::Password; }
};

TEST_F(PasswordChange, PasswordWithAQuoteIsStoredAsTypedAndWorksAtTheNextLogin)
{
    frmEdit->SetContent(QStringLiteral("leftover"));
    const PromptSeen seen = Change(QStringLiteral("o'neil"));

    EXPECT_EQ(seen.caption, QStringLiteral("内容编辑"));
    EXPECT_TRUE(seen.text.isEmpty());
    EXPECT_TRUE(seen.masked);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("系统使用密码修改成功！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Information);
    EXPECT_EQ(StoredPassword(), QStringLiteral("o'neil"));
    EXPECT_FALSE(Masked());

    EXPECT_FALSE(NextLogin(QStringLiteral("admin")));
    EXPECT_TRUE(NextLogin(QStringLiteral("O'NEIL")));
}

TEST_F(PasswordChange, CancelChangesNothingAndUnmasksThePrompt)
{
    Change(QStringLiteral("newpass"), false);

    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(StoredPassword(), QStringLiteral("admin"));
    EXPECT_FALSE(Masked());
}

TEST_F(PasswordChange, FailedUpdateShowsOnlyTheStatementErrorAndUnmasksThePrompt)
{
    Sql(QStringLiteral("ALTER TABLE T_user RENAME TO T_user_gone"));

    Change(QStringLiteral("newpass"));

    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("错误提示"));
    EXPECT_TRUE(Desktop().Boxes()[0].text.contains(
        QStringLiteral("UPDATE T_USER SET [PASSWORD]='newpass' WHERE ID=1")));
    EXPECT_FALSE(Masked());
}

class Prompt : public ProgramTest {};

TEST_F(Prompt, RefusesAnEmptyTextAndKeepsThePresetOnCancel)
{
    TfrmEdit& e = *frmEdit;
    EXPECT_EQ(e.Label1->text(), QStringLiteral("请输入编辑内容："));
    EXPECT_EQ(e.Edt_content->accessibleName(), e.Label1->text());
    EXPECT_EQ(e.Edt_content->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(e.btn_OK->autoDefault() || e.btn_Cancel->autoDefault());

    e.SetContent(QStringLiteral("文化类"));
    EXPECT_EQ(e.Edt_content->text(), QStringLiteral("文化类"));

    e.PrepareModal();
    e.Edt_content->clear();
    e.btn_OK->click();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("不能输入空值！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(e.ModalResult(), platform::mrNone);
    EXPECT_EQ(e.focusWidget(), e.Edt_content);
    EXPECT_EQ(e.Content, QStringLiteral("文化类"));

    e.Edt_content->setText(QStringLiteral("体育类"));
    e.btn_Cancel->click();
    EXPECT_EQ(e.ModalResult(), platform::mrCancel);
    EXPECT_EQ(e.Content, QStringLiteral("文化类"));

    e.PrepareModal();
    e.Edt_content->setText(QStringLiteral("  "));
    e.btn_OK->click();
    EXPECT_EQ(e.ModalResult(), platform::mrOk) << "blanks pass";
    EXPECT_EQ(e.Content, QStringLiteral("  "));
}
