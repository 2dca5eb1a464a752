#include "ledger/uDeptWasteEdit.h"

#include "data/uPublic.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "shell/dbmodule.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmDeptWasteEdit* frmDeptWasteEdit = nullptr;

TfrmDeptWasteEdit::TfrmDeptWasteEdit(QWidget* parent)
    : Form(parent), Edt_DeptName(new platform::UpperCaseEdit(this)),
      dtp_date(new platform::DatePicker(this)), Edt_AMOUNT(new platform::UpperCaseEdit(this)),
      cbo_Waste_type(new platform::IdComboBox(this)), Edt_Inout(new QLineEdit(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("社团财务流水帐信息编辑："));
    platform::MakeDisplayOnly(Edt_DeptName);
    platform::MakeDisplayOnly(Edt_Inout);
    Memo1->setTabChangesFocus(true);
    BuildLayout();

    // Only the user's choices: the program's own changes of the list must not
    // run the kind query while the list is being filled from the scratch query.
    platform::Application::On(cbo_Waste_type, &QComboBox::activated, this,
                              [this] { cbo_Waste_typeChange(); });
    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    platform::Application::On(btn_Cancel, &QPushButton::clicked, this, [this] { btn_CancelClick(); });
}

void TfrmDeptWasteEdit::BuildLayout()
{
    auto* fields = new QFormLayout;
    fields->addRow(platform::CaptionFor(Edt_DeptName, QStringLiteral("社团名称"), this), Edt_DeptName);
    fields->addRow(platform::CaptionFor(dtp_date, QStringLiteral("发生时间"), this), dtp_date);
    fields->addRow(platform::CaptionFor(Edt_AMOUNT, QStringLiteral("金额"), this), Edt_AMOUNT);
    fields->addRow(platform::CaptionFor(cbo_Waste_type, QStringLiteral("科目"), this), cbo_Waste_type);
    fields->addRow(platform::CaptionFor(Edt_Inout, QStringLiteral("收入\\支出"), this), Edt_Inout);
    fields->addRow(platform::CaptionFor(Memo1, QStringLiteral("备注"), this), Memo1);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Edt_AMOUNT->setMinimumWidth(280);
    Memo1->setFixedHeight(90);

    LayOut(fields, {btn_OK, btn_Cancel});

    setTabOrder(dtp_date, Edt_AMOUNT);
    setTabOrder(Edt_AMOUNT, cbo_Waste_type);
    setTabOrder(cbo_Waste_type, Memo1);
    setTabOrder(Memo1, btn_OK);
    setTabOrder(btn_OK, btn_Cancel);
}

void TfrmDeptWasteEdit::ClearWaste()
{
    dtp_date->setDateTime(platform::Clock::Now());
    cbo_Waste_type->setCurrentIndex(0);
    Edt_AMOUNT->clear();
    Edt_Inout->clear();
    Memo1->clear();
    WasteTypeID.clear();
    WasteTypeName.clear();
    dtp_date->setFocus();
}

void TfrmDeptWasteEdit::LoadWaste(const QString& id)
{
    platform::db::Query* query = DM->temQry;
    OpenQuery(query, QStringLiteral("SELECT A.DATE,A.AMOUNT,A.TYPEID,B.NAME AS TYPENAME,B.IN_OUT,"
                                    "A.MEMO1 FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B "
                                    "WHERE A.TYPEID=B.ID AND A.ID=")
                         + id);
    dtp_date->setDateTime(query->FieldByName(QStringLiteral("DATE")).AsDateTime());
    WasteTypeID = query->FieldByName(QStringLiteral("TYPEID")).AsString();
    WasteTypeName = query->FieldByName(QStringLiteral("TYPENAME")).AsString();
    Edt_AMOUNT->setText(query->FieldByName(QStringLiteral("AMOUNT")).AsString());
    Memo1->setPlainText(query->FieldByName(QStringLiteral("MEMO1")).AsString());
    dtp_date->setFocus();
}

void TfrmDeptWasteEdit::FormShow()
{
    FillIdNameList(QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE "), *cbo_Waste_type);
    // A loaded entry's subject is found by its name; a stored name with blanks
    // around it matches no (trimmed) item and leaves the subject to be chosen.
    cbo_Waste_type->setCurrentIndex(WasteTypeID.isEmpty() ? 0 : cbo_Waste_type->findText(WasteTypeName));
    cbo_Waste_typeChange();
}

void TfrmDeptWasteEdit::cbo_Waste_typeChange()
{
    if (cbo_Waste_type->currentIndex() < 0) {
        Edt_Inout->clear();
        return;
    }
    platform::db::Query* query = DM->temQry;
    OpenQuery(query, QStringLiteral("SELECT IN_OUT FROM T_WASTE_BOOK_TYPE WHERE ID=")
                         + QString::number(cbo_Waste_type->SelectedId()));
    Edt_Inout->setText(query->Fields(0).AsString());
}

void TfrmDeptWasteEdit::btn_OKClick()
{
    if (!platform::IsNumber(Edt_AMOUNT->text())) {
        ShowNotice(QStringLiteral("价值不正确！"), Edt_AMOUNT);
        return;
    }
    if (cbo_Waste_type->currentIndex() < 0) {
        ShowNotice(QStringLiteral("请选择科目！"), cbo_Waste_type);
        return;
    }
    WasteDate = platform::DateToStr(dtp_date->date());
    WasteAmount = Edt_AMOUNT->text();
    WasteTypeID = QString::number(cbo_Waste_type->SelectedId());
    WasteMemo = Memo1->toPlainText();
    SetModalResult(platform::mrOk);
}

void TfrmDeptWasteEdit::btn_CancelClick() { SetModalResult(platform::mrCancel); }

