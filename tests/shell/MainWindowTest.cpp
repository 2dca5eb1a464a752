#include "ShellFixture.h"

#include "catalogue/uDeptList.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "shell/uAbout.h"
#include "shell/Program.h"
#include "subjects/uDicSubject.h"

#include <QMdiSubWindow>
#include <QMenuBar>

using platform::Icon;

namespace {

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text())
                        + (action->isVisible() ? QString() : QStringLiteral(" (hidden)"));
    return captions;
}

// The sixteen elements the editing rights switch, in their order.
std::vector<std::pair<const char*, std::function<bool()>>> EditElements()
{
    TfrmMain& m = *frmMain;
    TfrmDeptInfo& d = *frmDeptInfo;
    const auto action = [](QAction* a) { return [a] { return a->isEnabled(); }; };
    return {{"NNewFixed", action(d.NNewFixed)},
            {"NModiFixed", action(d.NModiFixed)},
            {"NDeleFixed", action(d.NDeleFixed)},
            {"nNewWaste", action(d.nNewWaste)},
            {"nModiWaste", action(d.nModiWaste)},
            {"nDeleWaste", action(d.nDeleWaste)},
            {"NnewDeptType", action(m.NnewDeptType)},
            {"NModiDeptType", action(m.NModiDeptType)},
            {"NDeleDeptType", action(m.NDeleDeptType)},
            {"NnewDept", action(m.NnewDept)},
            {"NModiDept", action(m.NModiDept)},
            {"NDeleDept", action(m.NDeleDept)},
            {"NTestBase", action(m.NTestBase->menuAction())},
            {"NDictionary", action(m.NDictionary->menuAction())},
            {"NSystem", action(m.NSystem->menuAction())},
            {"tb_Dic_Subject", [&m] { return m.tb_Dic_Subject->isEnabled(); }}};
}

// What every user keeps, whatever the rights.
std::vector<QWidget*> AlwaysUsable()
{
    TfrmMain& m = *frmMain;
    return {m.tb_search, m.ToolButton5, m.tb_first, m.tb_prior, m.tb_next, m.tb_last, m.tb_close};
}

} // namespace

class MainWindow : public ShellTest {
protected:
    TfrmMain& M() { return *frmMain; }
};

TEST_F(MainWindow, MenuHoldsEveryEntryInOrderWithTheHiddenOnesNeverShown)
{
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Varnholt"));
    EXPECT_EQ(Captions(M().menuBar()->actions()),
              QStringList({"财务管理", "查询统计 (hidden)", "字典管理", "系统", "关于"}));
    EXPECT_EQ(Captions(M().NTestBase->actions()), QStringList({"财务情况浏览", "添加固定资产", "添加流水帐目"}));
    EXPECT_EQ(Captions(M().NTestPaper->actions()),
              QStringList({"自定条件查询", "本月财务分析", "分类统计", "-", "月报表"}));
    EXPECT_EQ(Captions(M().NDictionary->actions()),
              QStringList({"科目字典", "社团列表", "- (hidden)", "用户字典 (hidden)"}));
    EXPECT_EQ(M().N13->text(), QStringLiteral("用户字典"));
    EXPECT_EQ(Captions(M().NSystem->actions()), QStringList({"修改密码", "数据备份"}));
    EXPECT_EQ(M().NAbout->text(), QStringLiteral("关于"));
    EXPECT_EQ(Captions(M().pmDept->actions()),
              QStringList({"新增社团类型", "修改社团类型", "删除社团类型", "-", "新增社团", "修改社团", "删除社团"}));
}

TEST_F(MainWindow, ToolBarShowsItsButtonsWithCaptionsUnderImages)
{
    QStringList shown;
    for (QAction* action : M().ToolBar1->actions()) {
        if (action->isSeparator()) {
            shown << QStringLiteral("-");
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(M().ToolBar1->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(button->icon().isNull()) << button->text().toStdString();
        EXPECT_TRUE(button->toolTip().isEmpty());
        shown << button->text();
    }
    EXPECT_EQ(shown, QStringList({"财务情况浏览", "-", "-", "科目字典", "社团列表", "-", "第一条", "上一条",
                                  "下一条", "最后条", "-", " 退出 "}));
    // Linked buttons show their entry's picture.
    EXPECT_EQ(M().tb_search->icon().cacheKey(), M().NViewDeptInfo->icon().cacheKey());
    EXPECT_EQ(M().tb_Dic_Subject->icon().cacheKey(), M().NDic_subject->icon().cacheKey());
    EXPECT_EQ(M().ToolButton5->icon().cacheKey(), M().NDept->icon().cacheKey());
}

TEST_F(MainWindow, LeftPaneHoldsTheTreeAndTheSearchControlsWithTheirCaptions)
{
    EXPECT_EQ(M().PC->count(), 2);
    EXPECT_EQ(M().PC->tabText(0), QStringLiteral("社团列表"));
    EXPECT_EQ(M().PC->tabText(1), QStringLiteral("检索条件设置"));
    EXPECT_EQ(M().PC->currentIndex(), 0);
    EXPECT_EQ(M().Panel1->minimumWidth(), M().Panel1->maximumWidth());
    EXPECT_TRUE(M().TabSheet1->isAncestorOf(M().TreeDept));
    EXPECT_TRUE(M().TreeDept->font().bold());
    EXPECT_EQ(M().TreeDept->indentation(), 19);
    EXPECT_FALSE(M().TreeDept->isSortingEnabled());
    EXPECT_EQ(M().TreeDept->editTriggers(), QAbstractItemView::NoEditTriggers);

    const std::vector<std::pair<QWidget*, const char*>> fields = {
        {M().cbo_range, "检索范围"}, {M().cbo_dept, "社团限定"}, {M().cb_Money, "金额范围"},
        {M().Edt_low, "从："},       {M().Edt_Hight, "到："},    {M().cb_date, "日期范围"},
        {M().DTP_begin, "从："},     {M().DTP_End, "到："}};
    for (const auto& [field, caption] : fields) {
        EXPECT_TRUE(M().TabSheet2->isAncestorOf(field));
        EXPECT_EQ(field->accessibleName(), QString::fromUtf8(caption));
    }
    EXPECT_EQ(M().btn_search->text(), QStringLiteral("查  询"));

    QMdiSubWindow* child = M().ClientArea->subWindowList().value(0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->widget(), frmDeptInfo);
    EXPECT_TRUE(child->isMaximized());
    EXPECT_FALSE(child->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
}

TEST_F(MainWindow, RightClickOnTheTreeLeavesTheSelectionWhereItWas)
{
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    QTreeWidgetItem* first = M().TreeDept->topLevelItem(0);
    QTreeWidgetItem* second = first->child(0);
    M().TreeDept->setCurrentItem(first);
    const QPoint onSecond = M().TreeDept->visualItemRect(second).center();
    QTest::mouseClick(M().TreeDept->viewport(), Qt::RightButton, {}, onSecond);
    EXPECT_EQ(M().TreeDept->currentItem(), first);
    EXPECT_TRUE(M().pmDept->isVisible());
    M().pmDept->hide();
    QTest::mouseClick(M().TreeDept->viewport(), Qt::LeftButton, {}, onSecond);
    EXPECT_EQ(M().TreeDept->currentItem(), second);
}

TEST_F(MainWindow, FirstShowingLogsInCreatesTheWritersPresetsTheSearchAndLoadsTheTree)
{
    const QDateTime now(QDate(2026, 3, 10), QTime(14, 35, 20));
    platform::Clock::Set(now);
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    M().cbo_range->setCurrentIndex(2);

    ShowMainAs(QStringLiteral("admin"), QStringLiteral("admin"));

    EXPECT_TRUE(M().isVisible());
    EXPECT_EQ(Desktop().ShownForms(), std::vector<platform::Form*>{frmLog});
    EXPECT_EQ(CurUserID, QStringLiteral("1"));
    EXPECT_NE(FinanceItem, nullptr);
    EXPECT_NE(Account, nullptr);
    EXPECT_EQ(M().cbo_range->currentText(), QStringLiteral("全部"));
    EXPECT_EQ(M().DTP_begin->dateTime(), now.addDays(-6));
    EXPECT_EQ(M().DTP_End->dateTime(), now);
    EXPECT_EQ(M().DTP_begin->text(), QStringLiteral("2026-03-04"));
    ASSERT_EQ(M().TreeDept->topLevelItemCount(), 1);
    EXPECT_EQ(M().TreeDept->topLevelItem(0)->childCount(), 1);
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_TRUE(Desktop().Boxes().empty());

    // Shown once: hiding and showing again does not log in again.
    M().hide();
    M().show();
    EXPECT_EQ(Desktop().ShownForms().size(), 1u);
}

TEST_F(MainWindow, ErrorDuringTheFirstShowingIsReportedAndTheWindowStillAppears)
{
    Sql(QStringLiteral("DROP TABLE T_DEPT"));

    ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));

    EXPECT_TRUE(M().isVisible());
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("Varnholt"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Error);
    // The steps before the tree had run.
    EXPECT_NE(Account, nullptr);
    EXPECT_EQ(M().DTP_End->dateTime().date(), platform::Clock::Now().date());
}

TEST_F(MainWindow, OnlyRightTwoSwitchesTheSixteenEditingElementsOff)
{
    for (const char* right : {"1", "2", "0"}) {
        SCOPED_TRACE(right);
        Sql(QStringLiteral("UPDATE T_user SET \"RIGHT\"='%1'").arg(QLatin1String(right)));
        DestroyInstances();
        CreateInstances();

        ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));

        ASSERT_EQ(CurUserRight, QLatin1String(right));
        const bool editing = QLatin1String(right) != QLatin1String("2");
        for (const auto& [name, enabled] : EditElements())
            EXPECT_EQ(enabled(), editing) << name;
        for (QWidget* widget : AlwaysUsable())
            EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
        EXPECT_TRUE(M().NAbout->isEnabled());
    }
}

TEST_F(MainWindow, ReadOnlyUserStillBrowsesListsNavigatesReadsAboutAndCloses)
{
    Sql(QStringLiteral("UPDATE T_user SET \"RIGHT\"='2'"));
    const int type = AddType(QStringLiteral("文化类"));
    const int dept = AddDept(QStringLiteral("合唱团"), type);
    for (int i = 0; i < 3; ++i)
        AddFixed(dept, QStringLiteral("桌子%1").arg(i), 10 + i, QStringLiteral("2024-01-0%1").arg(i + 1));
    ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    Desktop().Clear();

    frmDeptInfo->DeptID = QString::number(dept);
    M().tb_search->click();
    EXPECT_TRUE(frmDeptInfo->qryFixed->Active());
    frmDeptInfo->PC_date->setCurrentIndex(0);
    M().tb_last->click();
    EXPECT_EQ(frmDeptInfo->qryFixed->RecNo(), 2);

    M().ToolButton5->click();
    M().tb_Dic_Subject->click();  // disabled: nothing opens
    M().NAbout->trigger();
    EXPECT_EQ(Desktop().ShownForms(), (std::vector<platform::Form*>{frmDeptList, frmAboutBox}));

    Desktop().Answer(platform::mrYes);
    M().tb_close->click();
    EXPECT_FALSE(M().isVisible());
}

TEST_F(MainWindow, LinkedButtonCopiesItsEntryOnceAndRunsOnlyWhileTheEntryIsEnabled)
{
    M().SetEditRights(false);
    EXPECT_TRUE(M().tb_search->isEnabled()) << "not following its menu";
    EXPECT_TRUE(M().ToolButton5->isEnabled());
    M().ToolButton5->click();
    EXPECT_EQ(Desktop().ShownForms(), std::vector<platform::Form*>{frmDeptList});

    M().NDept->setEnabled(false);
    EXPECT_TRUE(M().ToolButton5->isEnabled()) << "not following its entry";
    M().ToolButton5->click();
    EXPECT_EQ(Desktop().ShownForms().size(), 1u);

    M().SetEditRights(true);
    M().tb_Dic_Subject->click();
    EXPECT_EQ(Desktop().ShownForms().back(), frmDicSubject);
}

TEST_F(MainWindow, ViewFinancesRereadsTheBooksOnlyWhenAnAssociationIsShown)
{
    const int type = AddType(QStringLiteral("文化类"));
    const int dept = AddDept(QStringLiteral("合唱团"), type);
    AddFixed(dept, QStringLiteral("钢琴"), 1200, QStringLiteral("2024-01-01"));

    M().NViewDeptInfo->trigger();
    EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
    EXPECT_FALSE(frmDeptInfo->qryWaste->Active());
    EXPECT_TRUE(Desktop().Boxes().empty());

    frmDeptInfo->DeptID = QString::number(dept);
    M().NViewDeptInfo->trigger();
    EXPECT_TRUE(frmDeptInfo->qryFixed->Active());
    EXPECT_TRUE(frmDeptInfo->qryWaste->Active());
    EXPECT_EQ(frmDeptInfo->lab_fixed->text(), QStringLiteral("1200"));
}

TEST_F(MainWindow, NavigationMovesTheBookOfTheActivePageOnlyAndStopsAtTheEnds)
{
    const int type = AddType(QStringLiteral("文化类"));
    const int dept = AddDept(QStringLiteral("合唱团"), type);
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    for (int i = 0; i < 3; ++i) {
        AddFixed(dept, QStringLiteral("桌子%1").arg(i), 10 + i, QStringLiteral("2024-01-0%1").arg(i + 1));
        AddEntry(dept, subject, 5 + i, QStringLiteral("2024-02-0%1").arg(i + 1));
    }
    TfrmDeptInfo& d = *frmDeptInfo;

    // No open book: nothing happens.
    d.PC_date->setCurrentIndex(0);
    M().tb_next->click();
    EXPECT_TRUE(Desktop().Boxes().empty());

    d.DeptID = QString::number(dept);
    d.btn_viewClick();
    struct Step {
        int page;
        QToolButton* button;
        int fixedRow;
        int wasteRow;
    };
    const Step steps[] = {
        {0, M().tb_next, 1, 0},  {0, M().tb_last, 2, 0},  {0, M().tb_next, 2, 0},
        {1, M().tb_next, 2, 1},  {1, M().tb_last, 2, 2},  {1, M().tb_first, 2, 0},
        {1, M().tb_prior, 2, 0}, {0, M().tb_prior, 1, 0}, {0, M().tb_first, 0, 0},
    };
    for (const Step& s : steps) {
        d.PC_date->setCurrentIndex(s.page);
        s.button->click();
        EXPECT_EQ(d.qryFixed->RecNo(), s.fixedRow) << s.button->text().toStdString();
        EXPECT_EQ(d.qryWaste->RecNo(), s.wasteRow) << s.button->text().toStdString();
    }
    EXPECT_EQ(d.DBGrid1->currentIndex().row(), 0);
}

TEST_F(MainWindow, CloseAsksAndOnlyYesCloses)
{
    ShowMainAs(QStringLiteral("ADMIN"), QStringLiteral("admin"));

    Desktop().Answer(platform::mrNo);
    M().tb_close->click();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    const auto& box = Desktop().Boxes()[0];
    EXPECT_EQ(box.text, QStringLiteral("系统将退出，确认所有的工作都已经保存！"));
    EXPECT_EQ(box.caption, QStringLiteral("提示"));
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(M().isVisible());

    Desktop().Answer(platform::mrNo);
    EXPECT_FALSE(M().close());  // the close box
    EXPECT_TRUE(M().isVisible());

    Desktop().Answer(platform::mrYes);
    EXPECT_TRUE(M().close());
    EXPECT_FALSE(M().isVisible());
    EXPECT_EQ(Desktop().Boxes().size(), 3u);
}

TEST_F(MainWindow, AboutBoxShowsTheProgramAndClosesWithOk)
{
    TfrmAboutBox& a = *frmAboutBox;
    int result = platform::mrNone;
    Desktop().OnModal([&](platform::Form&) {
        a.btn_OK->click();
        result = a.ModalResult();
    });
    M().NAbout->trigger();

    EXPECT_EQ(result, platform::mrOk);
    EXPECT_EQ(a.windowTitle(), QStringLiteral("关于"));
    EXPECT_EQ(a.ProductName->text(), QStringLiteral("Varnholt"));
    EXPECT_TRUE(a.ProductName->font().bold());
    EXPECT_EQ(a.Version->text(), QStringLiteral("V1.0"));
    EXPECT_FALSE(a.Copyright->text().isEmpty());
    EXPECT_FALSE(a.Comments->text().isEmpty());
    EXPECT_FALSE(a.ProgramIcon->pixmap().isNull());
    EXPECT_EQ(a.btn_OK->text(), QStringLiteral("O  K"));
}
