#include "ProgramFixture.h"

#include "catalogue/uDeptList.h"
#include "catalogue/uEdit.h"
#include "data/uClassData.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "shell/uAbout.h"
#include "shell/uLog.h"
#include "subjects/uDicSubject.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace {
const QDateTime kNow(QDate(2003, 12, 14), QTime(10, 30));
}

class MainWindow : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        platform::Clock::Set(kNow);
        // The first showing creates the record writers itself.
        delete Account;
        Account = nullptr;
        delete FinanceItem;
        FinanceItem = nullptr;
    }

    // Runs the first showing with a login as the given user.
    void LogInAs(const QString& name, const QString& password)
    {
        Desktop().OnModal([=](platform::Form&) {
            frmLog->Edt_username->setText(name);
            frmLog->Edt_password->setText(password);
            frmLog->btn_okClick();
        });
        frmMain->FormShow();
    }

    void LogInWithRight(const QString& right)
    {
        Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('U','u','%1')").arg(right));
        LogInAs(QStringLiteral("U"), QStringLiteral("u"));
        ASSERT_EQ(CurUserRight, right);
    }

    QList<QAction*> SwitchedActions() const
    {
        return {frmDeptInfo->NNewFixed, frmDeptInfo->NModiFixed, frmDeptInfo->NDeleFixed, frmDeptInfo->nNewWaste,
                frmDeptInfo->nModiWaste, frmDeptInfo->nDeleWaste, frmMain->NnewDeptType, frmMain->NModiDeptType,
                frmMain->NDeleDeptType, frmMain->NnewDept, frmMain->NModiDept, frmMain->NDeleDept,
                frmMain->NTestBase->menuAction(), frmMain->NDictionary->menuAction(), frmMain->NSystem->menuAction()};
    }
};

TEST_F(MainWindow, FrameMenusAndToolBarAsTheUserSeesThem)
{
    EXPECT_EQ(frmMain->windowTitle(), QStringLiteral("Varnholt"));
    QStringList visibleMenus;
    for (QAction* action : frmMain->menuBar()->actions())
        if (action->isVisible())
            visibleMenus << action->text();
    EXPECT_EQ(visibleMenus, (QStringList{QStringLiteral("财务管理"), QStringLiteral("字典管理"), QStringLiteral("系统"),
                                         QStringLiteral("关于")}));
    EXPECT_FALSE(frmMain->NTestPaper->menuAction()->isVisible());
    EXPECT_FALSE(frmMain->N13->isVisible());
    QStringList toolCaptions;
    for (QToolButton* button : {frmMain->tb_search, frmMain->tb_Dic_Subject, frmMain->ToolButton5, frmMain->tb_first,
                                frmMain->tb_prior, frmMain->tb_next, frmMain->tb_last, frmMain->tb_close})
        toolCaptions << button->text();
    EXPECT_EQ(toolCaptions.join(QLatin1Char('|')), QStringLiteral("财务情况浏览|科目字典|社团列表|第一条|上一条|下一条|最后条| 退出 "));
    EXPECT_EQ(frmMain->PC->tabText(0), QStringLiteral("社团列表"));
    EXPECT_EQ(frmMain->PC->tabText(1), QStringLiteral("检索条件设置"));
    EXPECT_EQ(frmMain->PC->currentIndex(), 0);
    EXPECT_EQ(frmMain->DTP_begin->accessibleName(), QStringLiteral("从："));
}

TEST_F(MainWindow, FirstShowingLogsInCreatesTheWritersAndPresetsTheSearch)
{
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    frmMain->cbo_range->setCurrentIndex(2);
    LogInAs(QStringLiteral("admin"), QStringLiteral("ADMIN"));
    EXPECT_FALSE(platform::Application::Terminated());
    EXPECT_NE(Account, nullptr);
    EXPECT_NE(FinanceItem, nullptr);
    EXPECT_EQ(frmMain->cbo_range->currentText(), QStringLiteral("全部"));
    EXPECT_EQ(frmMain->DTP_begin->dateTime(), kNow.addDays(-6));
    EXPECT_EQ(frmMain->DTP_End->dateTime(), kNow);
    EXPECT_EQ(frmMain->DTP_begin->text(), QStringLiteral("2003-12-08"));
    EXPECT_EQ(frmMain->TreeDept->topLevelItemCount(), 1);
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
}

TEST_F(MainWindow, CancelledLoginEndsTheProgramWithoutShowingTheWindow)
{
    frmMain->show();
    EXPECT_TRUE(platform::Application::Terminated());
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_EQ(Account, nullptr);
}

TEST_F(MainWindow, ReadOnlyUserHasEveryEditingCommandOff)
{
    LogInWithRight(QStringLiteral("2"));
    for (QAction* action : SwitchedActions())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(frmMain->tb_Dic_Subject->isEnabled());
    for (QToolButton* button : {frmMain->tb_search, frmMain->ToolButton5, frmMain->tb_first, frmMain->tb_prior,
                                frmMain->tb_next, frmMain->tb_last, frmMain->tb_close})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    EXPECT_TRUE(frmMain->NAbout->isEnabled());

    // The linked buttons still run their entries: the list opens from the tool bar.
    frmMain->ToolButton5->click();
    ASSERT_EQ(Desktop().ShownForms().size(), 2u);
    EXPECT_EQ(Desktop().ShownForms().back(), frmDeptList);
}

TEST_F(MainWindow, EditingUsersKeepEveryCommand)
{
    Insert(QStringLiteral("INSERT INTO T_user (NAME,PASSWORD,\"RIGHT\") VALUES ('U3','u','3')"));
    for (const QString& name : {QStringLiteral("ADMIN"), QStringLiteral("U3")}) {
        SCOPED_TRACE(name.toStdString());
        LogInAs(name, name == QLatin1String("ADMIN") ? QStringLiteral("admin") : QStringLiteral("u"));
        EXPECT_EQ(CurUserRight, name == QLatin1String("ADMIN") ? QStringLiteral("1") : QStringLiteral("3"));
        for (QAction* action : SwitchedActions())
            EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(frmMain->tb_Dic_Subject->isEnabled());
        delete Account;
        Account = nullptr;
        delete FinanceItem;
        FinanceItem = nullptr;
    }
}

TEST_F(MainWindow, ViewFinancesRereadsOnlyWhenAnAssociationIsShown)
{
    LogInAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    frmMain->NViewDeptInfo->trigger();
    EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
    const int type = AddType(QStringLiteral("文化类"));
    const int dept = AddDept(QStringLiteral("合唱团"), type);
    AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2003-12-01"));
    frmDeptInfo->DeptID = QString::number(dept);
    frmMain->tb_search->click();
    EXPECT_TRUE(frmDeptInfo->qryFixed->Active());
    EXPECT_EQ(frmDeptInfo->lab_fixed->text(), QStringLiteral("1000"));
}

TEST_F(MainWindow, RecordNavigationMovesTheGridOfTheActivePageOnly)
{
    LogInAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    frmMain->tb_nextClick();  // nothing open: nothing happens
    const int type = AddType(QStringLiteral("文化类"));
    const int dept = AddDept(QStringLiteral("合唱团"), type);
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    for (int i = 0; i < 3; ++i) {
        AddFixed(dept, QStringLiteral("物%1").arg(i), 10 + i, QStringLiteral("2003-12-01"));
        AddEntry(dept, subject, 5 + i, QStringLiteral("2003-12-01"));
    }
    frmDeptInfo->DeptID = QString::number(dept);
    frmDeptInfo->LoadDept();
    frmDeptInfo->PC_date->setCurrentIndex(0);
    frmMain->tb_nextClick();
    EXPECT_EQ(frmDeptInfo->qryFixed->RecNo(), 1);
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 0);
    frmMain->tb_lastClick();
    frmMain->tb_nextClick();
    EXPECT_EQ(frmDeptInfo->qryFixed->RecNo(), 2);
    frmDeptInfo->PC_date->setCurrentIndex(1);
    frmMain->tb_lastClick();
    frmMain->tb_priorClick();
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 1);
    frmMain->tb_firstClick();
    frmMain->tb_priorClick();
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 0);
    EXPECT_EQ(frmDeptInfo->qryFixed->RecNo(), 2);
}

TEST_F(MainWindow, PasswordWithAQuoteIsStoredAndWorksAtTheNextLogin)
{
    LogInAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    bool maskedWhileShown = false;
    Desktop().OnModal([&](platform::Form&) {
        maskedWhileShown = frmEdit->Edt_content->echoMode() == QLineEdit::Password;
        EXPECT_TRUE(frmEdit->Edt_content->text().isEmpty());
        frmEdit->Edt_content->setText(QStringLiteral("it's new"));
        frmEdit->btn_OKClick();
    });
    frmMain->NSetPasswordClick();
    EXPECT_TRUE(maskedWhileShown);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("系统使用密码修改成功！"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Information);
    EXPECT_EQ(frmEdit->Edt_content->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PASSWORD FROM T_user WHERE ID=") + CurUserID).toString(),
              QStringLiteral("it's new"));

    // The next run's login table sees the new password.
    DestroyInstances();
    CreateInstances();
    frmLog->Edt_username->setText(QStringLiteral("admin"));
    frmLog->Edt_password->setText(QStringLiteral("IT'S NEW"));
    frmLog->btn_okClick();
    EXPECT_EQ(frmLog->ModalResult(), platform::mrOk);
}

TEST_F(MainWindow, CancelledOrFailedPasswordChangeWritesNothingAndUnmasks)
{
    LogInAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    Desktop().OnModal([](platform::Form&) {
        frmEdit->Edt_content->setText(QStringLiteral("typed"));
        frmEdit->btn_CancelClick();
    });
    frmMain->NSetPasswordClick();
    EXPECT_EQ(frmEdit->Edt_content->echoMode(), QLineEdit::Normal);
    EXPECT_TRUE(Desktop().Boxes().empty());

    Sql(QStringLiteral("CREATE TRIGGER NO_CHANGE BEFORE UPDATE ON T_user BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Desktop().OnModal([](platform::Form&) {
        frmEdit->Edt_content->setText(QStringLiteral("other"));
        frmEdit->btn_OKClick();
    });
    frmMain->NSetPasswordClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("错误提示"));
    EXPECT_EQ(frmEdit->Edt_content->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PASSWORD FROM T_user WHERE ID=1")).toString(), QStringLiteral("admin"));
}

TEST_F(MainWindow, PromptRefusesEmptyTextAndCancelKeepsThePreset)
{
    frmEdit->SetContent(QStringLiteral("文化类"));
    frmEdit->PrepareModal();
    frmEdit->Edt_content->clear();
    frmEdit->btn_OKClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("不能输入空值！"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_EQ(frmEdit->ModalResult(), platform::mrNone);
    frmEdit->Edt_content->setText(QStringLiteral("改"));
    frmEdit->btn_CancelClick();
    EXPECT_EQ(frmEdit->Content, QStringLiteral("文化类"));
    frmEdit->PrepareModal();
    frmEdit->Edt_content->setText(QStringLiteral("  "));
    frmEdit->btn_OKClick();
    EXPECT_EQ(frmEdit->ModalResult(), platform::mrOk);
    EXPECT_EQ(frmEdit->Content, QStringLiteral("  "));
}

TEST_F(MainWindow, CloseAsksAndOnlyYesCloses)
{
    Desktop().OnModal([](platform::Form&) {
        frmLog->Edt_username->setText(QStringLiteral("ADMIN"));
        frmLog->Edt_password->setText(QStringLiteral("admin"));
        frmLog->btn_okClick();
    });
    frmMain->show();
    ASSERT_TRUE(frmMain->isVisible());
    Desktop().Clear();
    Desktop().Answer(platform::mrNo);
    EXPECT_FALSE(frmMain->close());
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("系统将退出，确认所有的工作都已经保存！"));
    EXPECT_EQ(Desktop().Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Question);
    Desktop().Answer(platform::mrYes);
    frmMain->tb_close->click();
    EXPECT_EQ(Desktop().Boxes().size(), 2u);
    EXPECT_FALSE(frmMain->isVisible());
}

TEST_F(MainWindow, AboutBoxAndDictionaryOpenFromTheirCommands)
{
    Desktop().OnModal([](platform::Form& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("关于"));
        frmAboutBox->btn_OK->click();
    });
    frmMain->NAbout->trigger();
    EXPECT_EQ(frmAboutBox->ProductName->text(), QStringLiteral("Varnholt"));
    EXPECT_EQ(frmAboutBox->Version->text(), QStringLiteral("V1.0"));
    EXPECT_FALSE(frmAboutBox->Copyright->text().isEmpty());
    frmMain->tb_Dic_Subject->click();
    ASSERT_EQ(Desktop().ShownForms().size(), 2u);
    EXPECT_EQ(Desktop().ShownForms()[1], frmDicSubject);
}
