#include "ProgramFixture.h"

#include "ledger/uDeptFixedEdit.h"
#include "platform/Clock.h"

#include <QTest>

using platform::Icon;

namespace {

struct Typed {
    QString name;
    QString price;
};
} // namespace

class FixedEdit : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        dept = AddDept(QStringLiteral("书法社"), AddType(QStringLiteral("文化类")));
    }

    // Prepares a new asset, types the name and value, presses OK once.
    int ConfirmNew(const Typed& typed)
    {
        frmDeptFixedEdit->ClearFixed();
        Desktop().Clear();
        Desktop().OnModal([&](platform::Form&) {
            frmDeptFixedEdit->Edt_Name->setText(typed.name);
            frmDeptFixedEdit->Edt_Price->setText(typed.price);
            frmDeptFixedEdit->btn_OKClick();
        });
        return frmDeptFixedEdit->ShowModal();
    }

    int dept = 0;
};

TEST_F(FixedEdit, NewAssetStartsTodayAsNewWithEmptyFieldsWhateverWasTypedBefore)
{
    platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
    frmDeptFixedEdit->Edt_Name->setText(QStringLiteral("旧"));
    frmDeptFixedEdit->Edt_Price->setText(QStringLiteral("9"));
    frmDeptFixedEdit->cbo_Status->setCurrentIndex(3);
    frmDeptFixedEdit->Memo1->setPlainText(QStringLiteral("旧备注"));
    frmDeptFixedEdit->FixedName = QStringLiteral("上次");

    frmDeptFixedEdit->ClearFixed();

    EXPECT_EQ(frmDeptFixedEdit->dtp_begin_use->date(), QDate(2024, 3, 5));
    EXPECT_EQ(frmDeptFixedEdit->cbo_Status->currentText(), QStringLiteral("新品"));
    EXPECT_TRUE(frmDeptFixedEdit->Edt_Name->text().isEmpty());
    EXPECT_TRUE(frmDeptFixedEdit->Edt_Price->text().isEmpty());
    EXPECT_TRUE(frmDeptFixedEdit->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(frmDeptFixedEdit->FixedName, QStringLiteral("上次")) << "results are written only by OK";
}

TEST_F(FixedEdit, ControlsCarryTheirCaptionsAndConditionsInOrder)
{
    EXPECT_EQ(frmDeptFixedEdit->windowTitle(), QStringLiteral("社团固定资产信息编辑："));
    EXPECT_FALSE(frmDeptFixedEdit->Edt_DeptName->isEnabled());
    EXPECT_TRUE(frmDeptFixedEdit->Edt_DeptName->isReadOnly());
    EXPECT_EQ(frmDeptFixedEdit->Edt_Price->accessibleName(), QStringLiteral("价值"));
    EXPECT_EQ(frmDeptFixedEdit->dtp_begin_use->accessibleName(), QStringLiteral("启用时间"));
    EXPECT_FALSE(frmDeptFixedEdit->cbo_Status->isEditable());
    QStringList items;
    for (int i = 0; i < frmDeptFixedEdit->cbo_Status->count(); ++i)
        items << frmDeptFixedEdit->cbo_Status->itemText(i);
    EXPECT_EQ(items, QStringList({QStringLiteral("新品"), QStringLiteral("良好"), QStringLiteral("堪用"),
                                  QStringLiteral("报废")}));
}

TEST_F(FixedEdit, LoadShowsTheStoredAssetAndOkHandsItBackUnchanged)
{
    const int asset = AddFixed(dept, QStringLiteral("piano"), 1250.5, QStringLiteral("2003-12-01"),
                               QStringLiteral("堪用"));
    Sql(QStringLiteral("UPDATE T_FIXED_ASSETS SET MEMO1='琴房\n二楼' WHERE ID=%1").arg(asset));

    frmDeptFixedEdit->LoadFixed(QString::number(asset));
    EXPECT_EQ(frmDeptFixedEdit->Edt_Name->text(), QStringLiteral("PIANO"));
    EXPECT_EQ(frmDeptFixedEdit->Edt_Price->text(), QStringLiteral("1250.5"));
    EXPECT_EQ(frmDeptFixedEdit->cbo_Status->currentText(), QStringLiteral("堪用"));
    EXPECT_EQ(frmDeptFixedEdit->dtp_begin_use->date(), QDate(2003, 12, 1));

    Desktop().OnModal([](platform::Form&) { frmDeptFixedEdit->btn_OKClick(); });
    ASSERT_EQ(frmDeptFixedEdit->ShowModal(), platform::mrOk);
    EXPECT_EQ(frmDeptFixedEdit->FixedName, QStringLiteral("PIANO"));
    EXPECT_EQ(frmDeptFixedEdit->FixedPrice, QStringLiteral("1250.5"));
    EXPECT_EQ(frmDeptFixedEdit->FixedStatus, QStringLiteral("堪用"));
    EXPECT_EQ(frmDeptFixedEdit->FixedDate, QStringLiteral("2003-12-01"));
    EXPECT_EQ(frmDeptFixedEdit->FixedMemo, QStringLiteral("琴房\n二楼"));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(FixedEdit, UnknownStoredConditionShowsNoneAndHandsBackEmptyStatus)
{
    const int asset = AddFixed(dept, QStringLiteral("旧桌"), 10, QStringLiteral("2003-01-01"),
                               QStringLiteral("破损"));
    frmDeptFixedEdit->LoadFixed(QString::number(asset));
    EXPECT_EQ(frmDeptFixedEdit->cbo_Status->currentIndex(), -1);

    Desktop().OnModal([](platform::Form&) { frmDeptFixedEdit->btn_OKClick(); });
    ASSERT_EQ(frmDeptFixedEdit->ShowModal(), platform::mrOk);
    EXPECT_EQ(frmDeptFixedEdit->FixedStatus, QString());
}

TEST_F(FixedEdit, ValuesAreCheckedAsNumbersAndHandedBackExactlyAsTyped)
{
    const struct {
        QString price;
        bool accepted;
    } cases[] = {
        {QStringLiteral("1000"), true},       {QStringLiteral(" 12.5 "), true},
        {QStringLiteral("1E3"), true},        {QStringLiteral("-80"), true},
        {QStringLiteral("1,000"), false},     {QStringLiteral("ABC"), false},
        {QString(), false},                   {QStringLiteral("12.5.1"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price.toStdString());
        frmDeptFixedEdit->FixedPrice = QStringLiteral("before");
        const int result = ConfirmNew({QStringLiteral("钢琴"), c.price});
        if (c.accepted) {
            EXPECT_EQ(result, platform::mrOk);
            EXPECT_EQ(frmDeptFixedEdit->FixedPrice, c.price);
            EXPECT_TRUE(Desktop().Boxes().empty());
        } else {
            EXPECT_EQ(result, platform::mrCancel) << "the dialog stays open";
            EXPECT_EQ(frmDeptFixedEdit->FixedPrice, QStringLiteral("before"));
            ASSERT_EQ(Desktop().Boxes().size(), 1u);
            EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("价值不正确！"));
            EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
            EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
            EXPECT_EQ(frmDeptFixedEdit->focusWidget(), frmDeptFixedEdit->Edt_Price);
        }
    }
}

TEST_F(FixedEdit, BlankNameIsRefusedFirstAndNameWithBlanksAroundIsKept)
{
    for (const QString& name : {QString(), QStringLiteral("   "), QStringLiteral("\t ")}) {
        SCOPED_TRACE(name.toStdString());
        frmDeptFixedEdit->FixedName = QStringLiteral("before");
        EXPECT_EQ(ConfirmNew({name, QStringLiteral("1,000")}), platform::mrCancel);
        ASSERT_EQ(Desktop().Boxes().size(), 1u) << "the value is not checked while the name is blank";
        EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("信息填写不完整！"));
        EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
        EXPECT_EQ(frmDeptFixedEdit->focusWidget(), frmDeptFixedEdit->Edt_Name);
        EXPECT_EQ(frmDeptFixedEdit->FixedName, QStringLiteral("before"));
    }

    EXPECT_EQ(ConfirmNew({QStringLiteral("  钢琴 "), QStringLiteral("5")}), platform::mrOk);
    EXPECT_EQ(frmDeptFixedEdit->FixedName, QStringLiteral("  钢琴 "));
    EXPECT_EQ(frmDeptFixedEdit->FixedStatus, QStringLiteral("新品"));
}

TEST_F(FixedEdit, CancelAfterLoadHandsNothingBack)
{
    ASSERT_EQ(ConfirmNew({QStringLiteral("钢琴"), QStringLiteral("100")}), platform::mrOk);
    const int asset = AddFixed(dept, QStringLiteral("音响"), 250, QStringLiteral("2003-12-15"));
    frmDeptFixedEdit->LoadFixed(QString::number(asset));

    Desktop().OnModal([](platform::Form&) { frmDeptFixedEdit->btn_CancelClick(); });
    EXPECT_EQ(frmDeptFixedEdit->ShowModal(), platform::mrCancel);
    EXPECT_EQ(frmDeptFixedEdit->FixedName, QStringLiteral("钢琴"));
    EXPECT_EQ(frmDeptFixedEdit->FixedPrice, QStringLiteral("100"));
}

// Filled in entirely from the keyboard on a shown dialog: Tab walks the fields
// in order, Tab leaves the remarks, and Enter presses the focused OK button.
TEST_F(FixedEdit, WholeDialogCanBeFilledFromTheKeyboard)
{
    platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    auto* form = frmDeptFixedEdit;
    form->ClearFixed();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    ASSERT_EQ(QApplication::focusWidget(), form->Edt_Name);

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("desk"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12.5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->cbo_Status);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->dtp_begin_use);
    EXPECT_TRUE(form->dtp_begin_use->calendarPopup());
    // Each full section of the date moves on to the next; Tab then leaves the picker.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20231120"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ab"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->btn_OK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(form->ModalResult(), platform::mrOk);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->FixedName, QStringLiteral("DESK"));
    EXPECT_EQ(form->FixedPrice, QStringLiteral("12.5"));
    EXPECT_EQ(form->FixedStatus, QStringLiteral("良好"));
    EXPECT_EQ(form->FixedDate, QStringLiteral("2023-11-20"));
    EXPECT_EQ(form->FixedMemo, QStringLiteral("ab"));
}
