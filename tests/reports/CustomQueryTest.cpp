// "自定条件查询": the search widened by subject and remarks, with its results
// in the finance window's grids.
#include "ReportFixture.h"

#include "ledger/uDeptInfo.h"
#include "reports/uCustomQuery.h"
#include "shell/Main.h"

namespace {

using Query = std::function<void(TfrmCustomQuery&)>;

} // namespace

class CustomQueryTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        Sql(QStringLiteral("BEGIN"));
        AddEntry(drama, activity, 10, QStringLiteral("2006-04-01"), QStringLiteral("完成100%_目标"));
        AddEntry(drama, activity, 20, QStringLiteral("2006-04-02"), QStringLiteral("完成100x1目标"));
        const int oneil = AddEntry(drama, activity, 30, QStringLiteral("2006-04-03"));
        Sql(QStringLiteral("UPDATE T_WASTE_BOOK SET MEMO1='O''Neil捐赠' WHERE ID=%1").arg(oneil));
        AddEntry(drama, activity, 40, QStringLiteral("2006-04-04"), QStringLiteral("路径C:\\temp"));
        AddFixed(drama, QStringLiteral("灯光"), 600, QStringLiteral("2006-04-05"));
        Sql(QStringLiteral("UPDATE T_FIXED_ASSETS SET MEMO1='完成100%_目标' WHERE NAME='灯光'"));
        Sql(QStringLiteral("COMMIT"));
    }

    // Runs the query from the menu with the criteria set by prepare; returns the
    // modal result.
    int Search(const Query& prepare)
    {
        int result = -1;
        Desktop().OnModal([&](platform::Form& form) {
            auto& query = static_cast<TfrmCustomQuery&>(form);
            prepare(query);
            query.btn_searchClick();
            result = query.ModalResult();
        });
        Entry(frmMain->NTestPaper, QStringLiteral("自定条件查询"))->trigger();
        return result;
    }

    // The cash-flow grid's column of the given title, as shown.
    static QStringList Column(const platform::db::DataGrid* grid, const QString& title)
    {
        int column = 0;
        while (column < grid->model()->columnCount() && grid->ColumnTitle(column) != title)
            ++column;
        QStringList texts;
        for (int row = 0; row < grid->RowCount(); ++row)
            texts << grid->CellText(row, column);
        texts.sort();
        return texts;
    }
};

TEST_F(CustomQueryTest, RemarksTextIsFoundLiterallyWhateverItHolds)
{
    const struct {
        QString text;
        QStringList memos;
    } cases[] = {
        {"100%_", {"完成100%_目标"}},       // % and _ are no wildcards here
        {"O'Neil", {"O'Neil捐赠"}},          // a quote is text, not syntax
        {"C:\\temp", {"路径C:\\temp"}},      // nor is the escape character
        {"谱架", {"购买谱架"}},
        {"不存在", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Search([&](TfrmCustomQuery& query) { query.Edt_memo->setText(c.text); }), platform::mrOk);
        EXPECT_EQ(Column(frmDeptInfo->DBG, QStringLiteral("说明")), c.memos) << c.text.toStdString();
    }
    EXPECT_TRUE(Desktop().Boxes().empty()) << Desktop().Boxes().front().text.toStdString();
    // The fixed assets are searched by their remarks too.
    Search([](TfrmCustomQuery& query) { query.Edt_memo->setText(QStringLiteral("100%_")); });
    EXPECT_EQ(Column(frmDeptInfo->DBGrid1, QStringLiteral("名称")), QStringList{"灯光"});
}

TEST_F(CustomQueryTest, SubjectAssociationAndDatesNarrowTheCashFlowEntries)
{
    Search([&](TfrmCustomQuery& query) {
        ASSERT_TRUE(query.cbo_subject->SelectId(activity));
        ASSERT_TRUE(query.cbo_dept->SelectId(drama));
        query.cb_date->setChecked(true);
        query.DTP_begin->setDate(QDate(2006, 3, 10));
        query.DTP_End->setDate(QDate(2006, 4, 2));
    });
    EXPECT_EQ(Column(frmDeptInfo->DBG, QStringLiteral("金额")), (QStringList{"10", "120.5", "20"}));
    EXPECT_EQ(Column(frmDeptInfo->DBG, QStringLiteral("社团名称")), (QStringList{"话剧社", "话剧社", "话剧社"}));
    // A subject belongs to cash-flow entries only: no fixed asset can match.
    EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
    EXPECT_EQ(frmDeptInfo->PC_date->currentIndex(), 1);
    // The rows keep the income/expense colouring of the finance window's grid.
    EXPECT_EQ(frmDeptInfo->DBG->CellBackground(0, 0), QColor(248, 239, 224));
}

TEST_F(CustomQueryTest, ResultsPutTheFinanceWindowInSearchMode)
{
    frmDeptInfo->DeptID = QString::number(choir);
    frmDeptInfo->LoadDept();
    Search([](TfrmCustomQuery& query) {
        query.cbo_range->setCurrentIndex(1);
        query.cb_Money->setChecked(true);
        query.Edt_low->setText(QStringLiteral("300"));
        query.Edt_Hight->setText(QStringLiteral(" 5000.5 "));
    });
    EXPECT_EQ(Column(frmDeptInfo->DBGrid1, QStringLiteral("名称")), (QStringList{"棋盘", "灯光", "钢琴"}));
    EXPECT_FALSE(frmDeptInfo->qryWaste->Active());
    EXPECT_EQ(frmDeptInfo->PC_date->currentIndex(), 0);
    // No association is shown any more, so no editing command can act on a
    // result row as if it belonged to the association shown before.
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_TRUE(frmDeptInfo->GP_dept->isHidden());
    EXPECT_EQ(frmMain->PC->currentIndex(), 1);
}

TEST_F(CustomQueryTest, BadAmountIsRefusedAndTheGridsStayAsTheyWere)
{
    frmDeptInfo->DeptID = QString::number(drama);
    frmDeptInfo->LoadDept();
    const int rowsBefore = frmDeptInfo->DBG->RowCount();
    for (const QString& high : {QStringLiteral(""), QStringLiteral("1,000")}) {
        Desktop().Clear();
        const int result = Search([&](TfrmCustomQuery& query) {
            query.cb_Money->setChecked(true);
            query.Edt_low->setText(QStringLiteral("1"));
            query.Edt_Hight->setText(high);
        });
        EXPECT_EQ(result, platform::mrNone) << "the dialog stays open";
        ASSERT_EQ(Desktop().Boxes().size(), 1u);
        EXPECT_EQ(Desktop().Boxes()[0].text, "数量填写不正确！");
        EXPECT_EQ(Desktop().Boxes()[0].caption, "提示");
        EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
        EXPECT_EQ(frmDeptInfo->DBG->RowCount(), rowsBefore);
        EXPECT_EQ(frmDeptInfo->DeptID, QString::number(drama));
    }
}

TEST(ContainsPattern, EscapesTheWildcardsAndTheEscapeCharacter)
{
    EXPECT_EQ(ContainsPattern(QStringLiteral("a%b_c\\d")), QStringLiteral("%a\\%b\\_c\\\\d%"));
    EXPECT_EQ(ContainsPattern(QStringLiteral("说明")), QStringLiteral("%说明%"));
}
