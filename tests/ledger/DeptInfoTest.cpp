#include "ProgramFixture.h"

#include "ledger/uDeptFixedEdit.h"
#include "ledger/uDeptInfo.h"
#include "ledger/uDeptWasteEdit.h"
#include "platform/Clock.h"
#include "platform/Form.h"

using platform::db::DataGrid;

namespace {
const QColor kIncomeColor(224, 239, 238);
const QColor kOtherColor(248, 239, 224);
const QString kIncome = QStringLiteral("收入");
const QString kExpense = QStringLiteral("支出");
} // namespace

class DeptInfo : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        type = AddType(QStringLiteral("文化类"));
        dept = AddDept(QStringLiteral("abc合唱团"), type, QStringLiteral("2003-05-04"));
    }

    TfrmDeptInfo& W() { return *frmDeptInfo; }

    void Show(int id)
    {
        W().DeptID = QString::number(id);
        W().LoadDept();
    }

    QStringList Totals()
    {
        return {W().lab_fixed->text(), W().Lab_Waste_in->text(), W().Lab_Waste_out->text(),
                W().Lab_Waste->text()};
    }

    static QStringList Row(const DataGrid* grid, int row)
    {
        QStringList cells;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            cells << grid->CellText(row, column);
        return cells;
    }

    int Count(const char* table)
    {
        return Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt();
    }

    int type = 0;
    int dept = 0;
};

TEST_F(DeptInfo, WindowShowsItsCaptionsAndStartsOnTheCashFlowTab)
{
    EXPECT_EQ(W().windowTitle(), QStringLiteral("社团财务管理"));
    EXPECT_EQ(W().GP_dept->title(), QStringLiteral("社团基本情况："));
    const std::vector<std::pair<QWidget*, const char*>> fields = {
        {W().Edt_name, "社团名称"},   {W().Edt_typename, "类别"},
        {W().dtp_found, "成立时间"},  {W().Edt_Manager, "负责人"},
        {W().Edt_Manager_Tel, "联系方式"}, {W().Memo1, "社团简介"}};
    for (const auto& [field, caption] : fields)
        EXPECT_EQ(field->accessibleName(), QString::fromUtf8(caption));
    for (QLineEdit* edit : {static_cast<QLineEdit*>(W().Edt_name), static_cast<QLineEdit*>(W().Edt_typename),
                            static_cast<QLineEdit*>(W().Edt_Manager), static_cast<QLineEdit*>(W().Edt_Manager_Tel)})
        EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(W().Memo1->isReadOnly());
    EXPECT_FALSE(W().dtp_found->isEnabled());
    EXPECT_TRUE(W().btn_view->isHidden());

    EXPECT_EQ(W().PC_date->currentIndex(), 1);
    EXPECT_EQ(W().PC_date->tabText(0), QStringLiteral("固定资产"));
    EXPECT_EQ(W().PC_date->tabText(1), QStringLiteral("流水帐"));
    EXPECT_EQ(W().Label1->text(), QStringLiteral("资产总计："));
    EXPECT_EQ(W().Label2->text(), QStringLiteral("收入总计："));
    EXPECT_EQ(W().Label6->text(), QStringLiteral("支出总计："));
    EXPECT_EQ(W().Label3->text(), QStringLiteral("合计："));
    for (QLabel* total : {W().lab_fixed, W().Lab_Waste_in, W().Lab_Waste_out, W().Lab_Waste}) {
        EXPECT_EQ(total->text(), QStringLiteral("0000"));
        EXPECT_TRUE(total->font().bold());
        EXPECT_EQ(total->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    auto titles = [](const DataGrid* grid) {
        QStringList list;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            list << grid->ColumnTitle(column);
        return list;
    };
    EXPECT_EQ(titles(W().DBGrid1), QStringList({"社团名称", "名称", "开始使用时间", "价值", "状态", "说明"}));
    EXPECT_EQ(titles(W().DBG), QStringList({"社团名称", "日期", "金额", "科目名称", "收入/支出", "说明"}));
    EXPECT_EQ(W().DBG->model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignCenter));

    auto captions = [](const QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions())
            list << action->text();
        return list;
    };
    EXPECT_EQ(captions(W().pmFixed), QStringList({"新增固定资产", "修改固定资产", "删除固定资产"}));
    EXPECT_EQ(captions(W().pmWaste), QStringList({"新增流水帐目", "修改流水帐目", "删除流水帐目"}));
}

TEST_F(DeptInfo, LoadShowsHeaderAndBothBooksOfTheAssociationOnly)
{
    const int income = AddSubject(QStringLiteral("会费"), kIncome);
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    AddEntry(dept, income, 12.5, QStringLiteral("2004-10-02"), QStringLiteral("九月会费"));
    AddEntry(dept, expense, -120.5, QStringLiteral("2004-10-03"));
    const int other = AddDept(QStringLiteral("棋社"), type);
    AddFixed(other, QStringLiteral("棋盘"), 30, QStringLiteral("2004-01-01"));
    AddEntry(other, income, 99, QStringLiteral("2004-01-01"));

    Show(dept);

    EXPECT_EQ(W().Edt_name->text(), QStringLiteral("ABC合唱团"));
    EXPECT_EQ(W().Edt_typename->text(), QStringLiteral("文化类"));
    EXPECT_EQ(W().Edt_Manager->text(), QStringLiteral("MGR"));
    EXPECT_EQ(W().Edt_Manager_Tel->text(), QStringLiteral("TEL"));
    EXPECT_EQ(W().Memo1->toPlainText(), QStringLiteral("PROFILE"));
    EXPECT_EQ(W().dtp_found->date(), QDate(2003, 5, 4));

    ASSERT_EQ(W().DBGrid1->RowCount(), 1);
    EXPECT_EQ(Row(W().DBGrid1, 0),
              QStringList({"abc合唱团", "钢琴", "2004-09-01", "1000", "良好", ""}));
    ASSERT_EQ(W().DBG->RowCount(), 2);
    EXPECT_EQ(Row(W().DBG, 0), QStringList({"abc合唱团", "2004-10-02", "12.5", "会费", "收入", "九月会费"}));
    EXPECT_EQ(Row(W().DBG, 1), QStringList({"abc合唱团", "2004-10-03", "-120.5", "活动费", "支出", ""}));
    EXPECT_EQ(Totals(), QStringList({"1000", "12.5", "-120.5", "133"}));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(DeptInfo, TotalsFollowTheBooks)
{
    struct Case {
        const char* name;
        std::vector<double> assets;
        std::vector<std::pair<const QString*, double>> entries;
        QStringList totals;
    };
    const std::vector<Case> cases = {
        {"empty books", {}, {}, {"", "0", "0", "0"}},
        {"one expense", {}, {{&kExpense, 120.5}}, {"", "0", "120.5", "-120.5"}},
        {"assets", {1000, 250.5}, {}, {"1250.5", "0", "0", "0"}},
        {"tenths", {0.1, 0.2}, {{&kIncome, 0.1}, {&kIncome, 0.2}, {&kExpense, 0.3}}, {"0.3", "0.3", "0.3", "0"}},
        {"large", {}, {{&kIncome, 1e20}}, {"", "1E20", "0", "1E20"}},
    };
    const int income = AddSubject(QStringLiteral("会费"), kIncome);
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    for (const Case& c : cases) {
        const int id = AddDept(QString::fromUtf8(c.name), type);
        for (double value : c.assets)
            AddFixed(id, QStringLiteral("物品"), value, QStringLiteral("2004-01-01"));
        for (const auto& [kind, amount] : c.entries)
            AddEntry(id, *kind == kIncome ? income : expense, amount, QStringLiteral("2004-01-01"));
        Show(id);
        EXPECT_EQ(Totals(), c.totals) << c.name;
    }
}

TEST_F(DeptInfo, CashFlowRowsArePaintedByTheirKindInEveryColumn)
{
    const int income = AddSubject(QStringLiteral("会费"), kIncome);
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    const int odd = AddSubject(QStringLiteral("其他"), QStringLiteral("收入 "));
    AddEntry(dept, income, 1, QStringLiteral("2004-01-01"));
    AddEntry(dept, expense, 2, QStringLiteral("2004-01-02"));
    AddEntry(dept, odd, 3, QStringLiteral("2004-01-03"));
    AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    Show(dept);

    ASSERT_EQ(W().DBG->RowCount(), 3);
    const QColor expected[] = {kIncomeColor, kOtherColor, kOtherColor};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(W().DBG->CellBackground(row, column), expected[row]) << row << "," << column;
    EXPECT_FALSE(W().DBGrid1->CellBackground(0, 0).isValid());
}

TEST_F(DeptInfo, ClearEmptiesHeaderAndGridsButKeepsTheTotals)
{
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    AddEntry(dept, expense, 120.5, QStringLiteral("2004-01-01"));
    AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    Show(dept);
    const QDateTime now(QDate(2010, 6, 7), QTime(8, 9, 10));
    platform::Clock::Set(now);

    W().ClearDept();

    EXPECT_TRUE(W().DeptID.isEmpty());
    for (QLineEdit* edit : {static_cast<QLineEdit*>(W().Edt_name), static_cast<QLineEdit*>(W().Edt_typename),
                            static_cast<QLineEdit*>(W().Edt_Manager), static_cast<QLineEdit*>(W().Edt_Manager_Tel)})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(W().Memo1->toPlainText().isEmpty());
    EXPECT_EQ(W().dtp_found->dateTime(), now);
    EXPECT_FALSE(W().qryFixed->Active());
    EXPECT_FALSE(W().qryWaste->Active());
    EXPECT_EQ(W().DBGrid1->RowCount(), 0);
    EXPECT_EQ(W().DBG->RowCount(), 0);
    EXPECT_EQ(Totals(), QStringList({"1000", "0", "120.5", "-120.5"}));
}

TEST_F(DeptInfo, NoAssociationMeansNothingRuns)
{
    const int subject = AddSubject(QStringLiteral("会费"), kIncome);
    AddEntry(dept, subject, 5, QStringLiteral("2004-01-01"));
    for (const char* id : {"", "-1"}) {
        W().DeptID = QString::fromLatin1(id);
        W().btn_viewClick();
        W().NNewFixed->trigger();
        W().NDeleFixed->trigger();
        W().nNewWaste->trigger();
        W().nDeleWaste->trigger();
        EXPECT_FALSE(W().qryFixed->Active()) << id;
        EXPECT_FALSE(W().qryWaste->Active()) << id;
    }
    W().DeptID.clear();
    W().LoadDept();
    W().NModiFixed->trigger();
    W().nModiWaste->trigger();
    EXPECT_FALSE(W().qryDept->Active());
    EXPECT_EQ(Totals(), QStringList({"0000", "0000", "0000", "0000"}));
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_TRUE(Desktop().ShownForms().empty());
}

TEST_F(DeptInfo, DeletedAssociationIsReportedAndTheWindowKeepsWhatItShowed)
{
    const int subject = AddSubject(QStringLiteral("会费"), kIncome);
    AddEntry(dept, subject, 5, QStringLiteral("2004-01-01"));
    Show(dept);
    const int gone = AddDept(QStringLiteral("已删除"), type);
    Sql(QStringLiteral("DELETE FROM T_DEPT WHERE ID=%1").arg(gone));

    Show(gone);

    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("取出社团信息时发生错误！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Error);
    EXPECT_EQ(W().Edt_name->text(), QStringLiteral("ABC合唱团"));
    EXPECT_EQ(W().DBG->RowCount(), 1);
    EXPECT_EQ(Totals(), QStringList({"", "5", "0", "5"}));
}

TEST_F(DeptInfo, ModifyAndDeleteOnEmptyGridsDoNothing)
{
    AddSubject(QStringLiteral("会费"), kIncome);
    Show(dept);
    ASSERT_TRUE(W().qryFixed->Active());
    for (QAction* action : {W().NModiFixed, W().NDeleFixed, W().nModiWaste, W().nDeleWaste})
        action->trigger();
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_TRUE(Desktop().ShownForms().empty());
}

namespace {
struct DeleteCase {
    const char* table;
    const char* question;
    QAction* TfrmDeptInfo::*command;
    DataGrid* TfrmDeptInfo::*grid;
};
const DeleteCase kDeleteCases[] = {
    {"T_FIXED_ASSETS", "确实要删除该固定资产数据吗？", &TfrmDeptInfo::NDeleFixed, &TfrmDeptInfo::DBGrid1},
    {"T_WASTE_BOOK", "确实要删除该财务流水帐数据吗？", &TfrmDeptInfo::nDeleWaste, &TfrmDeptInfo::DBG},
};
} // namespace

TEST_F(DeptInfo, DeleteAsksAndOnlyNoKeepsTheRow)
{
    const int subject = AddSubject(QStringLiteral("会费"), kIncome);
    const int keptAsset = AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    AddFixed(dept, QStringLiteral("鼓"), 200, QStringLiteral("2004-09-02"));
    const int keptEntry = AddEntry(dept, subject, 10, QStringLiteral("2004-01-01"));
    AddEntry(dept, subject, 20, QStringLiteral("2004-01-02"));
    Show(dept);

    for (const DeleteCase& c : kDeleteCases) {
        SCOPED_TRACE(c.table);
        DataGrid* grid = W().*c.grid;
        grid->GetQuery()->MoveTo(1);
        Desktop().Clear();
        Desktop().Answer(platform::mrNo);
        (W().*c.command)->trigger();
        ASSERT_EQ(Desktop().Boxes().size(), 1u);
        EXPECT_EQ(Desktop().Boxes()[0].text, QString::fromUtf8(c.question));
        EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Question);
        EXPECT_EQ(Desktop().Boxes()[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(Count(c.table), 2);
        EXPECT_EQ(grid->GetQuery()->RecNo(), 1);

        Desktop().Answer(platform::mrOk);  // any answer but No deletes
        (W().*c.command)->trigger();
        EXPECT_EQ(Count(c.table), 1);
        EXPECT_EQ(grid->RowCount(), 1);
        EXPECT_EQ(grid->GetQuery()->RecNo(), 0);
        EXPECT_EQ(grid->currentIndex().row(), 0);
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT ID FROM T_FIXED_ASSETS")).toInt(), keptAsset);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT ID FROM T_WASTE_BOOK")).toInt(), keptEntry);
    EXPECT_EQ(Totals(), QStringList({"1000", "10", "0", "10"}));
}

TEST_F(DeptInfo, NewFixedAssetIsWrittenForTheAssociationAndShown)
{
    Show(dept);
    QString shownDept;
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = dynamic_cast<TfrmDeptFixedEdit&>(form);
        shownDept = edit.Edt_DeptName->text();
        edit.FixedName = QStringLiteral("钢琴");
        edit.FixedStatus = QStringLiteral("新品");
        edit.FixedPrice = QStringLiteral("1000");
        edit.FixedMemo = QStringLiteral("捐赠");
        edit.FixedDate = QStringLiteral("2004-09-01");
        edit.SetModalResult(platform::mrOk);
    });
    W().NNewFixed->trigger();

    ASSERT_EQ(Desktop().ShownForms().size(), 1u);
    EXPECT_EQ(Desktop().ShownForms()[0], frmDeptFixedEdit);
    EXPECT_EQ(shownDept, QStringLiteral("ABC合唱团"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DEPTID FROM T_FIXED_ASSETS")).toInt(), dept);
    ASSERT_EQ(W().DBGrid1->RowCount(), 1);
    EXPECT_EQ(Row(W().DBGrid1, 0), QStringList({"abc合唱团", "钢琴", "2004-09-01", "1000", "新品", "捐赠"}));
    EXPECT_EQ(W().lab_fixed->text(), QStringLiteral("1000"));
}

TEST_F(DeptInfo, CancelledEditorsWriteNothingAndDoNotRefresh)
{
    const int subject = AddSubject(QStringLiteral("会费"), kIncome);
    const int asset = AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    const int entry = AddEntry(dept, subject, 10, QStringLiteral("2004-01-01"));
    Show(dept);
    // Rows added behind the window's back would appear with a refresh.
    AddFixed(dept, QStringLiteral("鼓"), 200, QStringLiteral("2004-09-02"));
    AddEntry(dept, subject, 20, QStringLiteral("2004-01-02"));

    for (QAction* command : {W().NNewFixed, W().NModiFixed, W().nNewWaste, W().nModiWaste})
        command->trigger();  // no scripted action: the editor is closed with Cancel

    EXPECT_EQ(Desktop().ShownForms().size(), 4u);
    EXPECT_EQ(W().DBGrid1->RowCount(), 1);
    EXPECT_EQ(W().DBG->RowCount(), 1);
    EXPECT_EQ(Totals(), QStringList({"1000", "10", "0", "10"}));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME FROM T_FIXED_ASSETS WHERE ID=%1").arg(asset)).toString(),
              QStringLiteral("钢琴"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT AMOUNT FROM T_WASTE_BOOK WHERE ID=%1").arg(entry)).toDouble(), 10.0);
    EXPECT_EQ(Count("T_FIXED_ASSETS") + Count("T_WASTE_BOOK"), 4);
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(DeptInfo, ModifyChangesTheCurrentRowAndRefreshes)
{
    const int income = AddSubject(QStringLiteral("会费"), kIncome);
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    AddFixed(dept, QStringLiteral("钢琴"), 1000, QStringLiteral("2004-09-01"));
    const int drum = AddFixed(dept, QStringLiteral("鼓"), 200, QStringLiteral("2004-09-02"));
    AddEntry(dept, income, 10, QStringLiteral("2004-01-01"));
    const int second = AddEntry(dept, income, 20, QStringLiteral("2004-01-02"));
    Show(dept);
    W().qryFixed->MoveTo(1);

    QString shownDept;
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = dynamic_cast<TfrmDeptFixedEdit&>(form);
        shownDept = edit.Edt_DeptName->text();
        edit.FixedName = QStringLiteral("大鼓");
        edit.FixedStatus = QStringLiteral("堪用");
        edit.FixedPrice = QStringLiteral("250.5");
        edit.FixedMemo = QString();
        edit.FixedDate = QStringLiteral("2005-01-02");
        edit.SetModalResult(platform::mrOk);
    });
    W().NModiFixed->trigger();
    EXPECT_EQ(shownDept, QStringLiteral("ABC合唱团"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME FROM T_FIXED_ASSETS WHERE ID=%1").arg(drum)).toString(),
              QStringLiteral("大鼓"));
    EXPECT_EQ(W().lab_fixed->text(), QStringLiteral("1250.5"));

    // The entry editor may be used with no subject left: there is no check here.
    Sql(QStringLiteral("DELETE FROM T_WASTE_BOOK_TYPE WHERE ID=%1").arg(income));
    W().qryWaste->MoveTo(1);
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = dynamic_cast<TfrmDeptWasteEdit&>(form);
        edit.WasteDate = QStringLiteral("2004-02-03");
        edit.WasteTypeID = QString::number(expense);
        edit.WasteAmount = QStringLiteral("120.5");
        edit.WasteMemo = QStringLiteral("改");
        edit.SetModalResult(platform::mrOk);
    });
    W().nModiWaste->trigger();
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT TYPEID FROM T_WASTE_BOOK WHERE ID=%1").arg(second)).toInt(), expense);
    ASSERT_EQ(W().DBG->RowCount(), 1);  // the entry of the deleted subject drops out of the join
    EXPECT_EQ(Row(W().DBG, 0), QStringList({"abc合唱团", "2004-02-03", "120.5", "活动费", "支出", "改"}));
    EXPECT_EQ(Totals(), QStringList({"1250.5", "0", "120.5", "-120.5"}));
}

TEST_F(DeptInfo, NewCashFlowEntryNeedsASubject)
{
    Show(dept);
    W().nNewWaste->trigger();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("没有财务科目信息，不能编辑！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_TRUE(Desktop().ShownForms().empty());

    Desktop().Clear();
    const int expense = AddSubject(QStringLiteral("活动费"), kExpense);
    QString shownDept;
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = dynamic_cast<TfrmDeptWasteEdit&>(form);
        shownDept = edit.Edt_DeptName->text();
        edit.WasteDate = QStringLiteral("2004-02-03");
        edit.WasteTypeID = QString::number(expense);
        edit.WasteAmount = QStringLiteral("120.5");
        edit.WasteMemo = QString();
        edit.SetModalResult(platform::mrOk);
    });
    W().nNewWaste->trigger();
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(shownDept, QStringLiteral("ABC合唱团"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DEPTID FROM T_WASTE_BOOK")).toInt(), dept);
    ASSERT_EQ(W().DBG->RowCount(), 1);
    EXPECT_EQ(W().DBG->CellBackground(0, 0), kOtherColor);
    EXPECT_EQ(Totals(), QStringList({"", "0", "120.5", "-120.5"}));
}
