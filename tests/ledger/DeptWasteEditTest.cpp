#include "ProgramFixture.h"

#include "ledger/uDeptWasteEdit.h"
#include "platform/Clock.h"

#include <QTest>

using platform::Icon;

class WasteEdit : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        dept = AddDept(QStringLiteral("书法社"), AddType(QStringLiteral("文化类")));
        dues = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
        paper = AddSubject(QStringLiteral("纸张"), QStringLiteral("支出"));
    }

    // Shows the dialog and runs the action in it; returns the modal result.
    int Show(const std::function<void()>& action)
    {
        Desktop().OnModal([&](platform::Form&) { action(); });
        return frmDeptWasteEdit->ShowModal();
    }

    QStringList Subjects() const
    {
        QStringList names;
        for (int i = 0; i < frmDeptWasteEdit->cbo_Waste_type->count(); ++i)
            names << frmDeptWasteEdit->cbo_Waste_type->itemText(i);
        return names;
    }

    int dept = 0;
    int dues = 0;
    int paper = 0;
};

TEST_F(WasteEdit, NewEntryStartsTodayOnTheFirstSubjectWithEmptyFieldsWhateverWasUsedBefore)
{
    platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
    const int entry = AddEntry(dept, paper, 30, QStringLiteral("2003-12-02"), QStringLiteral("旧"));
    frmDeptWasteEdit->LoadWaste(QString::number(entry));
    ASSERT_EQ(Show([] { frmDeptWasteEdit->Edt_AMOUNT->setText(QStringLiteral("99")); }), platform::mrCancel);
    AddSubject(QStringLiteral("新科目"), QStringLiteral("支出"));

    frmDeptWasteEdit->ClearWaste();
    EXPECT_TRUE(frmDeptWasteEdit->WasteTypeID.isEmpty());
    EXPECT_TRUE(frmDeptWasteEdit->WasteTypeName.isEmpty());
    Show([this] {
        EXPECT_EQ(frmDeptWasteEdit->dtp_date->date(), QDate(2024, 3, 5));
        EXPECT_EQ(Subjects(), QStringList({QStringLiteral("会费"), QStringLiteral("纸张"), QStringLiteral("新科目")}));
        EXPECT_EQ(frmDeptWasteEdit->cbo_Waste_type->currentText(), QStringLiteral("会费"));
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
        EXPECT_TRUE(frmDeptWasteEdit->Edt_AMOUNT->text().isEmpty());
        EXPECT_TRUE(frmDeptWasteEdit->Memo1->toPlainText().isEmpty());
    });
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(WasteEdit, ModifyShowsTheStoredEntryWithItsSubjectAndKind)
{
    const int entry = AddEntry(dept, paper, -120.5, QStringLiteral("2003-12-02"), QStringLiteral("宣纸"));
    frmDeptWasteEdit->LoadWaste(QString::number(entry));
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(paper));
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeName, QStringLiteral("纸张"));

    const int result = Show([] {
        EXPECT_EQ(frmDeptWasteEdit->dtp_date->date(), QDate(2003, 12, 2));
        EXPECT_EQ(frmDeptWasteEdit->Edt_AMOUNT->text(), QStringLiteral("-120.5"));
        EXPECT_EQ(frmDeptWasteEdit->Memo1->toPlainText(), QStringLiteral("宣纸"));
        EXPECT_EQ(frmDeptWasteEdit->cbo_Waste_type->currentText(), QStringLiteral("纸张"));
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("支出"));
        frmDeptWasteEdit->btn_OKClick();
    });
    ASSERT_EQ(result, platform::mrOk);
    EXPECT_EQ(frmDeptWasteEdit->WasteDate, QStringLiteral("2003-12-02"));
    EXPECT_EQ(frmDeptWasteEdit->WasteAmount, QStringLiteral("-120.5"));
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(paper));
    EXPECT_EQ(frmDeptWasteEdit->WasteMemo, QStringLiteral("宣纸"));
}

TEST_F(WasteEdit, ChoosingAnotherSubjectShowsItsKindAtOnceAndIsHandedBack)
{
    frmDeptWasteEdit->ClearWaste();
    const int result = Show([this] {
        ASSERT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
        frmDeptWasteEdit->cbo_Waste_type->setCurrentIndex(1);
        emit frmDeptWasteEdit->cbo_Waste_type->activated(1);
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("支出"));
        frmDeptWasteEdit->Edt_AMOUNT->setText(QStringLiteral("8"));
        frmDeptWasteEdit->btn_OKClick();
    });
    ASSERT_EQ(result, platform::mrOk);
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(paper));
}

TEST_F(WasteEdit, AmountsAreCheckedAsNumbersAndHandedBackExactlyAsTyped)
{
    const struct {
        QString amount;
        bool accepted;
    } cases[] = {
        {QStringLiteral("1000"), true},   {QStringLiteral(" 12.5 "), true}, {QStringLiteral("1E3"), true},
        {QStringLiteral("-45.5"), true},  {QStringLiteral("1,000"), false}, {QStringLiteral("ABC"), false},
        {QString(), false},               {QStringLiteral("  "), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount.toStdString());
        frmDeptWasteEdit->ClearWaste();
        frmDeptWasteEdit->WasteAmount = QStringLiteral("before");
        Desktop().Clear();
        const int result = Show([&] {
            frmDeptWasteEdit->Edt_AMOUNT->setText(c.amount);
            frmDeptWasteEdit->btn_OKClick();
        });
        if (c.accepted) {
            EXPECT_EQ(result, platform::mrOk);
            EXPECT_EQ(frmDeptWasteEdit->WasteAmount, c.amount);
            EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(dues));
            EXPECT_TRUE(Desktop().Boxes().empty());
        } else {
            EXPECT_EQ(result, platform::mrCancel) << "the dialog stays open";
            EXPECT_EQ(frmDeptWasteEdit->WasteAmount, QStringLiteral("before"));
            ASSERT_EQ(Desktop().Boxes().size(), 1u);
            EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("价值不正确！"));
            EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
            EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
            EXPECT_EQ(frmDeptWasteEdit->focusWidget(), frmDeptWasteEdit->Edt_AMOUNT);
        }
    }
}

TEST_F(WasteEdit, EqualSubjectNamesSelectTheFirstAndHandBackItsId)
{
    const int otherDues = AddSubject(QStringLiteral("会费"), QStringLiteral("支出"));
    const int entry = AddEntry(dept, otherDues, 5, QStringLiteral("2003-12-02"));
    frmDeptWasteEdit->LoadWaste(QString::number(entry));

    const int result = Show([] {
        EXPECT_EQ(frmDeptWasteEdit->cbo_Waste_type->currentIndex(), 0);
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
        frmDeptWasteEdit->btn_OKClick();
    });
    ASSERT_EQ(result, platform::mrOk);
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(dues));
}

TEST_F(WasteEdit, CancelAfterLoadHandsNothingBack)
{
    frmDeptWasteEdit->ClearWaste();
    ASSERT_EQ(Show([] {
                  frmDeptWasteEdit->Edt_AMOUNT->setText(QStringLiteral("7"));
                  frmDeptWasteEdit->Memo1->setPlainText(QStringLiteral("上次"));
                  frmDeptWasteEdit->btn_OKClick();
              }),
              platform::mrOk);
    const QString date = frmDeptWasteEdit->WasteDate;
    const int entry = AddEntry(dept, paper, 30, QStringLiteral("2003-12-02"), QStringLiteral("宣纸"));
    frmDeptWasteEdit->LoadWaste(QString::number(entry));

    EXPECT_EQ(Show([] { frmDeptWasteEdit->btn_CancelClick(); }), platform::mrCancel);
    EXPECT_EQ(frmDeptWasteEdit->WasteDate, date);
    EXPECT_EQ(frmDeptWasteEdit->WasteAmount, QStringLiteral("7"));
    EXPECT_EQ(frmDeptWasteEdit->WasteMemo, QStringLiteral("上次"));
}

// An entry whose stored subject name has blanks around it matches no listed
// (trimmed) name: no subject is selected, and OK asks for one instead of
// failing on the missing selection.
TEST_F(WasteEdit, OkWithoutASubjectAsksForOneAndKeepsTheDialogOpen)
{
    const int padded = AddSubject(QStringLiteral(" 奖金 "), QStringLiteral("收入"));
    const int entry = AddEntry(dept, padded, 50, QStringLiteral("2003-12-02"));
    frmDeptWasteEdit->ClearWaste();
    ASSERT_EQ(Show([] { frmDeptWasteEdit->btn_CancelClick(); }), platform::mrCancel);
    ASSERT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
    frmDeptWasteEdit->WasteDate = QStringLiteral("before");
    frmDeptWasteEdit->LoadWaste(QString::number(entry));

    const int result = Show([&] {
        EXPECT_EQ(frmDeptWasteEdit->cbo_Waste_type->currentIndex(), -1);
        EXPECT_TRUE(frmDeptWasteEdit->Edt_Inout->text().isEmpty()) << "no kind shown for no subject";
        frmDeptWasteEdit->btn_OKClick();
    });
    EXPECT_EQ(result, platform::mrCancel);
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("请选择科目！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(frmDeptWasteEdit->focusWidget(), frmDeptWasteEdit->cbo_Waste_type);
    EXPECT_EQ(frmDeptWasteEdit->WasteDate, QStringLiteral("before"));
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(padded)) << "still the loaded subject";

    Desktop().Clear();
    const int chosen = Show([this] {
        frmDeptWasteEdit->cbo_Waste_type->setCurrentIndex(2);
        emit frmDeptWasteEdit->cbo_Waste_type->activated(2);
        EXPECT_EQ(Subjects().at(2), QStringLiteral("奖金"));
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
        frmDeptWasteEdit->btn_OKClick();
    });
    EXPECT_EQ(chosen, platform::mrOk);
    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(frmDeptWasteEdit->WasteTypeID, QString::number(padded));
}

TEST_F(WasteEdit, ControlsCarryTheirCaptions)
{
    EXPECT_EQ(frmDeptWasteEdit->windowTitle(), QStringLiteral("社团财务流水帐信息编辑："));
    EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->accessibleName(), QStringLiteral("收入\\支出"));
    EXPECT_FALSE(frmDeptWasteEdit->Edt_Inout->isEnabled());
    EXPECT_TRUE(frmDeptWasteEdit->Edt_Inout->isReadOnly());
    EXPECT_FALSE(frmDeptWasteEdit->Edt_DeptName->isEnabled());
    EXPECT_FALSE(frmDeptWasteEdit->cbo_Waste_type->isEditable());
    EXPECT_EQ(frmDeptWasteEdit->dtp_date->accessibleName(), QStringLiteral("发生时间"));
}

// Filled in entirely from the keyboard on a shown dialog; arrow keys on the
// subject list show the new subject's kind.
TEST_F(WasteEdit, WholeDialogCanBeFilledFromTheKeyboard)
{
    platform::Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    auto* form = frmDeptWasteEdit;
    form->ClearWaste();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    ASSERT_EQ(QApplication::focusWidget(), form->dtp_date);
    EXPECT_TRUE(form->dtp_date->calendarPopup());

    // Each full section moves on to the next; Tab then leaves the picker.
    QTest::keyClicks(form->dtp_date, QStringLiteral("20231120"));
    QTest::keyClick(form->dtp_date, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Edt_AMOUNT);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-3.5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->cbo_Waste_type);
    ASSERT_EQ(form->Edt_Inout->text(), QStringLiteral("收入"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(form->Edt_Inout->text(), QStringLiteral("支出"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Memo1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->btn_OK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(form->ModalResult(), platform::mrOk);
    EXPECT_EQ(form->WasteDate, QStringLiteral("2023-11-20"));
    EXPECT_EQ(form->WasteAmount, QStringLiteral("-3.5"));
    EXPECT_EQ(form->WasteTypeID, QString::number(paper));
    EXPECT_EQ(form->WasteMemo, QStringLiteral("x"));
}
