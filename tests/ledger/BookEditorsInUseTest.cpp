#include "ProgramFixture.h"

#include "ledger/uDeptFixedEdit.h"
#include "ledger/uDeptInfo.h"
#include "ledger/uDeptWasteEdit.h"
#include "platform/db/Query.h"
#include "subjects/uDicSubject.h"
#include "subjects/uWasteItemEdit.h"

// The finance window with the real editors: what the user types in an editor
// ends up in the books and their totals.
class BookEditorsInUse : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        dept = AddDept(QStringLiteral("书法社"), AddType(QStringLiteral("文化类")));
        AddSubject(QStringLiteral("纸张"), QStringLiteral("支出"));
        dues = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
        frmDeptInfo->DeptID = QString::number(dept);
        frmDeptInfo->LoadDept();
    }

    // Fills the entry editor: the amount and the subject at the given list row.
    void TypeEntry(const QString& amount, int subjectRow)
    {
        Desktop().OnModal([=](platform::Form&) {
            frmDeptWasteEdit->Edt_AMOUNT->setText(amount);
            frmDeptWasteEdit->cbo_Waste_type->setCurrentIndex(subjectRow);
            emit frmDeptWasteEdit->cbo_Waste_type->activated(subjectRow);
            frmDeptWasteEdit->btn_OKClick();
        });
    }

    QStringList Totals() const
    {
        return {frmDeptInfo->lab_fixed->text(), frmDeptInfo->Lab_Waste_in->text(),
                frmDeptInfo->Lab_Waste_out->text(), frmDeptInfo->Lab_Waste->text()};
    }

    int dept = 0;
    int dues = 0;
};

TEST_F(BookEditorsInUse, AssetsAndEntriesTypedInTheEditorsChangeTheTotals)
{
    Desktop().OnModal([](platform::Form&) {
        frmDeptFixedEdit->Edt_Name->setText(QStringLiteral("砚台"));
        frmDeptFixedEdit->Edt_Price->setText(QStringLiteral(" 80.5 "));
        frmDeptFixedEdit->btn_OKClick();
    });
    frmDeptInfo->NNewFixedClick();
    TypeEntry(QStringLiteral("200"), 1);
    frmDeptInfo->nNewWasteClick();
    TypeEntry(QStringLiteral("30"), 0);
    frmDeptInfo->nNewWasteClick();
    EXPECT_EQ(Totals(), QStringList({QStringLiteral("80.5"), QStringLiteral("200"), QStringLiteral("30"),
                                     QStringLiteral("170")}));

    // Change the entry of 200 (dues) to 150.
    platform::db::Query* rows = frmDeptInfo->qryWaste;
    rows->First();
    while (!rows->Eof() && rows->FieldByName(QStringLiteral("AMOUNT")).AsString() != QStringLiteral("200"))
        rows->Next();
    ASSERT_FALSE(rows->Eof());
    Desktop().OnModal([](platform::Form&) {
        EXPECT_EQ(frmDeptWasteEdit->Edt_AMOUNT->text(), QStringLiteral("200"));
        EXPECT_EQ(frmDeptWasteEdit->Edt_Inout->text(), QStringLiteral("收入"));
        frmDeptWasteEdit->Edt_AMOUNT->setText(QStringLiteral("150"));
        frmDeptWasteEdit->btn_OKClick();
    });
    frmDeptInfo->nModiWasteClick();
    EXPECT_EQ(Totals(), QStringList({QStringLiteral("80.5"), QStringLiteral("150"), QStringLiteral("30"),
                                     QStringLiteral("120")}));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(BookEditorsInUse, RenamingAnIncomeSubjectKeepsItsEntriesCountedAsIncome)
{
    AddEntry(dept, dues, 200, QStringLiteral("2004-01-01"));
    frmDeptInfo->btn_viewClick();
    ASSERT_EQ(frmDeptInfo->Lab_Waste_in->text(), QStringLiteral("200"));

    Desktop().OnModal([](platform::Form&) {
        frmDicSubject->lb_subject->item(1)->setSelected(true);
        frmDicSubject->btn_modiClick();
    });
    Desktop().OnModal([](platform::Form&) {
        frmWasteTypeEdit->Edt_name->setText(QStringLiteral("会员费"));
        frmWasteTypeEdit->btn_OKClick();
    });
    frmDicSubject->ShowModal();
    frmDeptInfo->btn_viewClick();

    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME FROM T_WASTE_BOOK_TYPE WHERE ID=%1").arg(dues)).toString(),
              QStringLiteral("会员费"));
    EXPECT_EQ(Totals(), QStringList({QString(), QStringLiteral("200"), QStringLiteral("0"), QStringLiteral("200")}));
}
