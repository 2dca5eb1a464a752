#include "shell/Main.h"

#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"
#include "platform/Conversions.h"
#include "platform/Desktop.h"
#include "shell/uLog.h"

namespace {

enum SearchRange { AllBooks = 0, FixedAssetsOnly = 1, CashFlowOnly = 2 };

const QString kFixedStatement = QStringLiteral(
    "SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,A.NOW_PRICE,A.MEMO1,"
    "B.NAME AS DEPTNAME FROM T_FIXED_ASSETS A,T_DEPT B WHERE A.DEPTID=B.ID ");
const QString kWasteStatement = QStringLiteral(
    "SELECT A.ID,A.DATE,A.AMOUNT,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1,C.NAME AS DEPTNAME "
    "FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C WHERE A.DEPTID=C.ID AND A.TYPEID=B.ID ");

// The list item the association text stands for: the selected item while the
// text still shows its name, otherwise the one item with that name. An editable
// combo box keeps its selection while the user types over it, so the selection
// alone does not say what the user meant. -1 when the text names no item, or
// several, so that a typed name never silently picks a different association.
int ChosenAssociation(const platform::IdComboBox& list)
{
    const QString text = platform::Trim(list.currentText());
    if (list.currentIndex() >= 0 && list.itemText(list.currentIndex()) == text)
        return list.currentIndex();
    int found = -1;
    for (int index = 0; index < list.count(); ++index) {
        if (list.itemText(index) != text)
            continue;
        if (found >= 0)
            return -1;
        found = index;
    }
    return found;
}

} // namespace

void TfrmMain::PCChange()
{
    if (PC->currentIndex() == 0) {
        frmDeptInfo->GP_dept->show();
        frmDeptInfo->LoadDept();
        if (CurUserRight == QLatin1String("1"))
            SetEditRights(true);
    } else {
        frmDeptInfo->GP_dept->hide();
        SetEditRights(false);
        FillIdNameList(QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID>0"), *cbo_dept);
        cbo_dept->setCurrentIndex(-1);
        cbo_dept->clearEditText();
        frmDeptInfo->ClearDept();
    }
}

void TfrmMain::btn_searchClick()
{
    frmDeptInfo->qryFixed->Close();
    frmDeptInfo->qryWaste->Close();
    const int range = cbo_range->currentIndex();
    QString fixedCondition;
    QString wasteCondition;

    if (!platform::Trim(cbo_dept->currentText()).isEmpty()) {
        const int chosen = ChosenAssociation(*cbo_dept);
        if (chosen < 0) {
            ShowNotice(QStringLiteral("请从列表中选择社团！"), cbo_dept);
            return;
        }
        const QString deptCondition = QStringLiteral(" AND A.DEPTID=") + QString::number(cbo_dept->IdAt(chosen));
        fixedCondition += deptCondition;
        wasteCondition += deptCondition;
    }

    if (cb_Money->isChecked()) {
        const QString low = Edt_low->text();
        const QString high = Edt_Hight->text();
        if (!platform::IsNumber(low) || !platform::IsNumber(high)) {
            ShowNotice(QStringLiteral("数量填写不正确！"), Edt_low);
            return;
        }
        fixedCondition += QStringLiteral(" AND (A.FIRST_PRICE BETWEEN ") + low + QStringLiteral(" AND ")
                          + high + QStringLiteral(") ");
        wasteCondition += QStringLiteral(" AND (A.AMOUNT BETWEEN ") + low + QStringLiteral(" AND ") + high
                          + QStringLiteral(") ");
    }

    if (cb_date->isChecked()) {
        const QString begin = platform::DateToIso(DTP_begin->date());
        const QString end = platform::DateToIso(DTP_End->date());
        fixedCondition += QStringLiteral(" AND (A.BEGIN_USE_DATE BETWEEN #") + begin + QStringLiteral("# AND #")
                          + end + QStringLiteral("#) ");
        wasteCondition += QStringLiteral(" AND (A.DATE BETWEEN #") + begin + QStringLiteral("# AND #") + end
                          + QStringLiteral("#) ");
    }

    if (range == AllBooks || range == FixedAssetsOnly)
        OpenQuery(frmDeptInfo->qryFixed, kFixedStatement + fixedCondition);
    if (range == AllBooks || range == CashFlowOnly)
        OpenQuery(frmDeptInfo->qryWaste, kWasteStatement + wasteCondition);
}
