#include "ShellFixture.h"

#include "catalogue/uDeptList.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "shell/Program.h"
#include "shell/uAbout.h"
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

} // namespace

class Frame : public ShellTest {
protected:
    TfrmMain& M() { return *frmMain; }
};

TEST_F(Frame, MenuHoldsEveryEntryInOrderWithTheHiddenOnesNeverShown)
{
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Varnholt"));
    EXPECT_EQ(Captions(M().menuBar()->actions()),
              QStringList({"财务管理", "查询统计", "字典管理", "系统", "关于"}));
    EXPECT_EQ(Captions(M().NTestBase->actions()), QStringList({"财务情况浏览", "添加固定资产", "添加流水帐目"}));
    EXPECT_EQ(Captions(M().NTestPaper->actions()),
              QStringList({"自定条件查询", "本月财务分析", "分类统计", "-", "月报表", "-", "导出到CSV...", "打印帐簿...",
                           "帐簿导出为PDF..."}));
    EXPECT_EQ(Captions(M().NDictionary->actions()),
              QStringList({"科目字典", "社团列表", "- (hidden)", "用户字典 (hidden)"}));
    EXPECT_EQ(M().N13->text(), QStringLiteral("用户字典"));
    EXPECT_EQ(Captions(M().NSystem->actions()), QStringList({"修改密码", "数据备份"}));
    EXPECT_EQ(M().NAbout->text(), QStringLiteral("关于"));
    EXPECT_EQ(Captions(M().pmDept->actions()),
              QStringList({"新增社团类型", "修改社团类型", "删除社团类型", "-", "新增社团", "修改社团", "删除社团"}));
}

TEST_F(Frame, ToolBarShowsItsButtonsWithCaptionsUnderImages)
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

TEST_F(Frame, LeftPaneHoldsTheTreeAndTheSearchControlsWithTheirCaptions)
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

TEST_F(Frame, RightClickOnTheTreeLeavesTheSelectionWhereItWas)
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

TEST_F(Frame, FirstShowingRunsOnceBeforeTheWindowAppears)
{
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);

    ShowMainAs(QStringLiteral("admin"), QStringLiteral("admin"));

    EXPECT_TRUE(M().isVisible());
    EXPECT_EQ(Desktop().ShownForms(), std::vector<platform::Form*>{frmLog});
    EXPECT_NE(FinanceItem, nullptr);
    EXPECT_NE(Account, nullptr);
    ASSERT_EQ(M().TreeDept->topLevelItemCount(), 1);
    EXPECT_EQ(M().TreeDept->topLevelItem(0)->childCount(), 1);
    EXPECT_TRUE(Desktop().Boxes().empty());

    // Hiding and showing again does not log in again.
    M().hide();
    M().show();
    EXPECT_EQ(Desktop().ShownForms().size(), 1u);
}

TEST_F(Frame, ErrorDuringTheFirstShowingIsReportedAndTheWindowStillAppears)
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

TEST_F(Frame, ReadOnlyUserStillBrowsesListsNavigatesReadsAboutAndCloses)
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

TEST_F(Frame, LinkedButtonCopiesItsEntryOnceAndRunsOnlyWhileTheEntryIsEnabled)
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

