#include "ProgramFixture.h"

#include "ledger/uDeptInfo.h"
#include "platform/db/Query.h"
#include "shell/Main.h"
#include "shell/uLog.h"

#include <QTest>

#include <set>

using platform::db::Query;

namespace {

// The values of one column over every row of a query's result, in row order.
QStringList Column(const Query* query, const QString& field)
{
    QStringList values;
    const int column = query->FieldIndex(field);
    for (int row = 0; row < query->RecordCount(); ++row)
        values << platform::db::Field(query->ValueAt(row, column)).AsString();
    values.sort();
    return values;
}

QStringList FixedFound() { return Column(frmDeptInfo->qryFixed, QStringLiteral("NAME")); }
QStringList WasteFound() { return Column(frmDeptInfo->qryWaste, QStringLiteral("MEMO1")); }

} // namespace

// Two associations under one type with a few rows in each book. The fixed-asset
// names and the cash-flow remarks tell which rows a search found.
class SearchTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        CurUserRight = QStringLiteral("1");
        type = AddType(QStringLiteral("学术类"));
        math = AddDept(QStringLiteral("数学社"), type);
        chess = AddDept(QStringLiteral("棋社"), type);
        const int fees = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
        const int outing = AddSubject(QStringLiteral("活动"), QStringLiteral("支出"));
        AddFixed(math, QStringLiteral("M-BOARD"), 100, QStringLiteral("2003-11-30"));
        AddFixed(math, QStringLiteral("M-DESK"), 250.5, QStringLiteral("2003-12-01"));
        AddFixed(chess, QStringLiteral("C-SET"), 80, QStringLiteral("2003-12-14"));
        AddFixed(chess, QStringLiteral("C-CLOCK"), 1000, QStringLiteral("2003-12-15"));
        AddEntry(math, fees, 100, QStringLiteral("2003-11-30"), QStringLiteral("m-nov30"));
        AddEntry(math, outing, 250.5, QStringLiteral("2003-12-01"), QStringLiteral("m-dec01"));
        AddEntry(chess, fees, 80, QStringLiteral("2003-12-14"), QStringLiteral("c-dec14"));
        AddEntry(chess, outing, 1000, QStringLiteral("2003-12-15"), QStringLiteral("c-dec15"));
    }

    // As the user does: the tab's change handler runs through the wiring.
    static void SwitchTab(int index) { frmMain->PC->setCurrentIndex(index); }

    // The search tab entered afresh (the association list emptied) and everything
    // searched once, so that a test can see a later search empty the grids.
    static void SearchEverything()
    {
        SwitchTab(0);
        SwitchTab(1);
        frmMain->btn_searchClick();
        ASSERT_EQ(FixedFound().size(), 4);
        ASSERT_EQ(WasteFound().size(), 4);
    }

    static void SetAmount(const QString& low, const QString& high)
    {
        frmMain->cb_Money->setChecked(true);
        frmMain->Edt_low->setText(low);
        frmMain->Edt_Hight->setText(high);
    }

    static void SetDates(const QDate& begin, const QDate& end)
    {
        frmMain->cb_date->setChecked(true);
        // The pickers keep a time of day; the search compares whole days.
        frmMain->DTP_begin->setDateTime(QDateTime(begin, QTime(15, 30)));
        frmMain->DTP_End->setDateTime(QDateTime(end, QTime(8, 0)));
    }

    static void TypeAssociation(const QString& text) { frmMain->cbo_dept->setEditText(text); }

    void ExpectNoBox() { EXPECT_TRUE(Desktop().Boxes().empty()); }

    int type = 0;
    int math = 0;
    int chess = 0;
};

TEST_F(SearchTest, AllCriteriaOffListsBothBooksOfEveryAssociation)
{
    SwitchTab(1);
    frmMain->btn_searchClick();

    EXPECT_EQ(FixedFound(), (QStringList{"C-CLOCK", "C-SET", "M-BOARD", "M-DESK"}));
    EXPECT_EQ(WasteFound(), (QStringList{"c-dec14", "c-dec15", "m-dec01", "m-nov30"}));
    EXPECT_EQ(Column(frmDeptInfo->qryFixed, QStringLiteral("DEPTNAME")),
              (QStringList{"数学社", "数学社", "棋社", "棋社"}));
    EXPECT_EQ(Column(frmDeptInfo->qryWaste, QStringLiteral("TYPENAME")),
              (QStringList{"会费", "会费", "活动", "活动"}));
    EXPECT_EQ(frmDeptInfo->DBGrid1->RowCount(), 4);
    ASSERT_EQ(frmDeptInfo->DBG->RowCount(), 4);
    // Income and expense rows of the results are coloured apart, as in the books.
    std::set<QRgb> incomeColours;
    std::set<QRgb> expenseColours;
    const Query* waste = frmDeptInfo->qryWaste;
    for (int row = 0; row < 4; ++row) {
        const bool income = waste->ValueAt(row, waste->FieldIndex(QStringLiteral("IN_OUT"))) == QStringLiteral("收入");
        (income ? incomeColours : expenseColours).insert(frmDeptInfo->DBG->CellBackground(row, 0).rgb());
    }
    EXPECT_EQ(incomeColours.size(), 1u);
    EXPECT_EQ(expenseColours.size(), 1u);
    EXPECT_NE(incomeColours, expenseColours);
    ExpectNoBox();
}

TEST_F(SearchTest, RangeLeavesTheOtherGridEmpty)
{
    SearchEverything();
    frmMain->cbo_range->setCurrentIndex(1);  // 固定资产
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound().size(), 4);
    EXPECT_FALSE(frmDeptInfo->qryWaste->Active());
    EXPECT_EQ(frmDeptInfo->DBG->RowCount(), 0);

    frmMain->cbo_range->setCurrentIndex(2);  // 流水帐
    frmMain->btn_searchClick();
    EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
    EXPECT_EQ(frmDeptInfo->DBGrid1->RowCount(), 0);
    EXPECT_EQ(WasteFound().size(), 4);
    ExpectNoBox();
}

TEST_F(SearchTest, AmountRangeComparesFirstPriceAndAmountInclusively)
{
    // The current value must not count: every asset is worth 500 now.
    Sql(QStringLiteral("UPDATE T_FIXED_ASSETS SET NOW_PRICE=500"));
    struct Case {
        const char* low;
        const char* high;
        QStringList fixed;
        QStringList waste;
    };
    const Case cases[] = {
        {"80", "100", {"C-SET", "M-BOARD"}, {"c-dec14", "m-nov30"}},
        {"250.5", "1E3", {"C-CLOCK", "M-DESK"}, {"c-dec15", "m-dec01"}},
        {" 90 ", "300", {"M-BOARD", "M-DESK"}, {"m-dec01", "m-nov30"}},
        {"-5", "0", {}, {}},
        {"400", "600", {}, {}},
        {"1000", "80", {}, {}},  // a lower bound above the upper finds nothing
    };
    SwitchTab(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.low) + ".." + c.high);
        SetAmount(QString::fromUtf8(c.low), QString::fromUtf8(c.high));
        frmMain->btn_searchClick();
        EXPECT_EQ(FixedFound(), c.fixed);
        EXPECT_EQ(WasteFound(), c.waste);
        EXPECT_TRUE(frmDeptInfo->qryFixed->Active());
        EXPECT_TRUE(frmDeptInfo->qryWaste->Active());
        // The bounds stay as typed.
        EXPECT_EQ(frmMain->Edt_low->text(), QString::fromUtf8(c.low));
    }
    ExpectNoBox();
}

TEST_F(SearchTest, DateRangeIncludesBothEndDays)
{
    SwitchTab(1);
    SetDates(QDate(2003, 12, 1), QDate(2003, 12, 14));
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound(), (QStringList{"C-SET", "M-DESK"}));
    EXPECT_EQ(WasteFound(), (QStringList{"c-dec14", "m-dec01"}));

    SetDates(QDate(2003, 12, 15), QDate(2003, 12, 15));
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound(), QStringList{"C-CLOCK"});
    EXPECT_EQ(WasteFound(), QStringList{"c-dec15"});

    SetDates(QDate(2003, 12, 14), QDate(2003, 12, 1));  // begin after end
    frmMain->btn_searchClick();
    EXPECT_TRUE(FixedFound().isEmpty());
    EXPECT_TRUE(WasteFound().isEmpty());
    ExpectNoBox();
}

TEST_F(SearchTest, AllCriteriaTogether)
{
    SwitchTab(1);
    frmMain->cbo_dept->setCurrentIndex(frmMain->cbo_dept->findText(QStringLiteral("数学社")));
    SetAmount(QStringLiteral("200"), QStringLiteral("300"));
    SetDates(QDate(2003, 11, 1), QDate(2003, 12, 31));
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound(), QStringList{"M-DESK"});
    EXPECT_EQ(WasteFound(), QStringList{"m-dec01"});
    ExpectNoBox();
}

TEST_F(SearchTest, BadAmountBoundSearchesNothingAndFocusesTheLowerBound)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "100"}, {"ABC", "100"}, {"1,000", "2000"}, {"10", ""}, {"10", "X1"}, {"10", "1,000"},
    };
    for (const auto& [low, high] : cases) {
        SCOPED_TRACE(std::string("[") + low + "] [" + high + "]");
        SearchEverything();
        Desktop().Clear();
        frmMain->btn_search->setFocus();
        SetAmount(QString::fromUtf8(low), QString::fromUtf8(high));
        frmMain->btn_searchClick();

        ASSERT_EQ(Desktop().Boxes().size(), 1u);
        EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("数量填写不正确！"));
        EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
        EXPECT_EQ(frmMain->focusWidget(), frmMain->Edt_low);
        EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
        EXPECT_FALSE(frmDeptInfo->qryWaste->Active());
        EXPECT_EQ(frmMain->Edt_low->text(), QString::fromUtf8(low));
        EXPECT_EQ(frmMain->Edt_Hight->text(), QString::fromUtf8(high));
        frmMain->cb_Money->setChecked(false);
    }
}

TEST_F(SearchTest, AssociationLimitAndItsRemovalByBlankText)
{
    SwitchTab(1);
    auto* list = frmMain->cbo_dept;
    list->setCurrentIndex(list->findText(QStringLiteral("棋社")));
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound(), (QStringList{"C-CLOCK", "C-SET"}));
    EXPECT_EQ(WasteFound(), (QStringList{"c-dec14", "c-dec15"}));

    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        list->setCurrentIndex(list->findText(QStringLiteral("棋社")));
        TypeAssociation(blank);
        frmMain->btn_searchClick();
        EXPECT_EQ(FixedFound().size(), 4);
        EXPECT_EQ(WasteFound().size(), 4);
    }
    ExpectNoBox();
}

// Text typed into the association list counts only when it names exactly one
// association; anything else is refused with a notice and searches nothing.
TEST_F(SearchTest, TypedAssociationText)
{
    const int typeB = AddType(QStringLiteral("体育类"));
    AddDept(QStringLiteral("同名社"), typeB);
    AddDept(QStringLiteral("同名社"), typeB);
    auto* list = frmMain->cbo_dept;
    struct Case {
        const char* name;
        QString selected;  // the list item chosen before typing, if any
        QString typed;
        QStringList fixed;  // what is found when the text is accepted
        bool refused;
    };
    const QStringList chessRows{"C-CLOCK", "C-SET"};
    const QStringList mathRows{"M-BOARD", "M-DESK"};
    const Case cases[] = {
        {"unknown name", {}, QStringLiteral("不存在的社团"), {}, true},
        {"exact name, nothing selected", {}, QStringLiteral("棋社"), chessRows, false},
        {"name with blanks around", {}, QStringLiteral("  棋社 "), chessRows, false},
        {"name typed over another selection", QStringLiteral("数学社"), QStringLiteral("棋社"), chessRows, false},
        {"selection edited to a part of its name", QStringLiteral("数学社"), QStringLiteral("数学"), {}, true},
        {"selection edited to an unknown name", QStringLiteral("数学社"), QStringLiteral("数学社X"), {}, true},
        {"name of two associations", {}, QStringLiteral("同名社"), {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchEverything();
        Desktop().Clear();
        if (!c.selected.isEmpty())
            list->setCurrentIndex(list->findText(c.selected));
        TypeAssociation(c.typed);
        frmMain->btn_searchClick();
        if (c.refused) {
            ASSERT_EQ(Desktop().Boxes().size(), 1u);
            EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("请从列表中选择社团！"));
            EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
            EXPECT_EQ(Desktop().Boxes()[0].icon, platform::Icon::Warning);
            EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
            EXPECT_FALSE(frmDeptInfo->qryWaste->Active());
            EXPECT_EQ(list->currentText(), c.typed);
        } else {
            ExpectNoBox();
            EXPECT_EQ(FixedFound(), c.fixed);
        }
    }
}

TEST_F(SearchTest, OneOfTwoEqualNamesChosenFromTheList)
{
    const int typeB = AddType(QStringLiteral("体育类"));
    const int first = AddDept(QStringLiteral("同名社"), typeB);
    const int second = AddDept(QStringLiteral("同名社"), typeB);
    AddFixed(first, QStringLiteral("FIRST"), 1, QStringLiteral("2003-01-01"));
    AddFixed(second, QStringLiteral("SECOND"), 1, QStringLiteral("2003-01-01"));
    SwitchTab(1);
    ASSERT_TRUE(frmMain->cbo_dept->SelectId(second));
    frmMain->btn_searchClick();
    EXPECT_EQ(FixedFound(), QStringList{"SECOND"});
    ExpectNoBox();
}

// Typing a new name and pressing Enter must not make it a searchable association.
TEST_F(SearchTest, TypedNameConfirmedWithEnterIsNoAssociation)
{
    SwitchTab(1);
    QTest::keyClicks(frmMain->cbo_dept->lineEdit(), QStringLiteral("NEWCLUB"));
    QTest::keyClick(frmMain->cbo_dept->lineEdit(), Qt::Key_Return);
    frmMain->btn_searchClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("请从列表中选择社团！"));
    EXPECT_FALSE(frmDeptInfo->qryFixed->Active());
}

TEST_F(SearchTest, AssociationListHoldsAssociationsOnlyAndIsRefilledEmpty)
{
    auto* list = frmMain->cbo_dept;
    SwitchTab(1);
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    names.sort();
    EXPECT_EQ(names, (QStringList{"数学社", "棋社"}));
    EXPECT_EQ(list->IdAt(list->findText(QStringLiteral("棋社"))), chess);

    list->setCurrentIndex(0);
    SwitchTab(0);
    AddDept(QStringLiteral(" 新社 "), type);
    SwitchTab(1);
    EXPECT_EQ(list->count(), 3);
    EXPECT_GE(list->findText(QStringLiteral("新社")), 0);  // names trimmed
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_TRUE(list->currentText().isEmpty());
}

TEST_F(SearchTest, SearchLeavesTotalsAndCriteriaAlone)
{
    frmDeptInfo->DeptID = QString::number(math);
    frmDeptInfo->LoadDept();
    const QStringList totals{frmDeptInfo->lab_fixed->text(), frmDeptInfo->Lab_Waste_in->text(),
                             frmDeptInfo->Lab_Waste_out->text(), frmDeptInfo->Lab_Waste->text()};
    ASSERT_EQ(totals, (QStringList{"350.5", "100", "250.5", "-150.5"}));

    SwitchTab(1);
    EXPECT_TRUE(frmDeptInfo->GP_dept->isHidden());
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    frmMain->cbo_range->setCurrentIndex(2);
    SetAmount(QStringLiteral("80"), QStringLiteral("1000"));
    frmMain->btn_searchClick();

    EXPECT_EQ((QStringList{frmDeptInfo->lab_fixed->text(), frmDeptInfo->Lab_Waste_in->text(),
                           frmDeptInfo->Lab_Waste_out->text(), frmDeptInfo->Lab_Waste->text()}),
              totals);
    EXPECT_TRUE(frmDeptInfo->GP_dept->isHidden());
    EXPECT_TRUE(frmDeptInfo->Edt_name->text().isEmpty());
    EXPECT_EQ(frmMain->cbo_range->currentIndex(), 2);
    EXPECT_TRUE(frmMain->cb_Money->isChecked());
    EXPECT_EQ(frmMain->Edt_Hight->text(), QStringLiteral("1000"));
}

TEST_F(SearchTest, BackOnTheTreeTabTheResultsStayUnderAnEmptyHeader)
{
    SearchEverything();
    SwitchTab(0);
    EXPECT_FALSE(frmDeptInfo->GP_dept->isHidden());
    EXPECT_TRUE(frmDeptInfo->Edt_name->text().isEmpty());
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_EQ(FixedFound().size(), 4);
    EXPECT_EQ(WasteFound().size(), 4);
    ExpectNoBox();
}

TEST_F(SearchTest, EditingCommandsAcrossTabSwitchesByRight)
{
    struct Case {
        const char* right;
        bool afterLogin;
        bool afterReturn;
    };
    const Case cases[] = {{"1", true, true}, {"2", false, false}, {"3", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.right);
        CurUserRight = QString::fromUtf8(c.right);
        frmMain->SetEditRights(c.afterLogin);  // as the login leaves it
        auto editing = [] {
            EXPECT_EQ(frmDeptInfo->NNewFixed->isEnabled(), frmMain->NnewDept->isEnabled());
            return frmMain->NnewDept->isEnabled();
        };
        EXPECT_EQ(editing(), c.afterLogin);
        SwitchTab(1);
        EXPECT_FALSE(editing());
        SwitchTab(0);
        EXPECT_EQ(editing(), c.afterReturn);
        SwitchTab(1);
        SwitchTab(0);
        EXPECT_EQ(editing(), c.afterReturn);
    }
}

TEST_F(SearchTest, NavigationMovesWithinTheResults)
{
    SearchEverything();
    frmDeptInfo->PC_date->setCurrentIndex(1);
    frmMain->tb_firstClick();
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 0);
    frmMain->tb_nextClick();
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 1);
    frmMain->tb_lastClick();
    EXPECT_EQ(frmDeptInfo->qryWaste->RecNo(), 3);
    EXPECT_EQ(frmDeptInfo->qryFixed->RecNo(), 0);
}
