#include "ledger/uDeptFixedEdit.h"

#include "data/uPublic.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "shell/dbmodule.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmDeptFixedEdit* frmDeptFixedEdit = nullptr;

TfrmDeptFixedEdit::TfrmDeptFixedEdit(QWidget* parent)
    : Form(parent), Edt_DeptName(new platform::UpperCaseEdit(this)),
      Edt_Name(new platform::UpperCaseEdit(this)), Edt_Price(new platform::UpperCaseEdit(this)),
      cbo_Status(new QComboBox(this)), dtp_begin_use(new platform::DatePicker(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("社团固定资产信息编辑："));
    platform::MakeDisplayOnly(Edt_DeptName);
    cbo_Status->addItems({QStringLiteral("新品"), QStringLiteral("良好"), QStringLiteral("堪用"),
                          QStringLiteral("报废")});
    Memo1->setTabChangesFocus(true);
    BuildLayout();

    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    platform::Application::On(btn_Cancel, &QPushButton::clicked, this, [this] { btn_CancelClick(); });
}

void TfrmDeptFixedEdit::BuildLayout()
{
    auto* fields = new QFormLayout;
    fields->addRow(platform::CaptionFor(Edt_DeptName, QStringLiteral("社团名称"), this), Edt_DeptName);
    fields->addRow(platform::CaptionFor(Edt_Name, QStringLiteral("名称"), this), Edt_Name);
    fields->addRow(platform::CaptionFor(Edt_Price, QStringLiteral("价值"), this), Edt_Price);
    fields->addRow(platform::CaptionFor(cbo_Status, QStringLiteral("状态"), this), cbo_Status);
    fields->addRow(platform::CaptionFor(dtp_begin_use, QStringLiteral("启用时间"), this), dtp_begin_use);
    fields->addRow(platform::CaptionFor(Memo1, QStringLiteral("备注"), this), Memo1);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Edt_Name->setMinimumWidth(280);
    Memo1->setFixedHeight(90);

    LayOut(fields, {btn_OK, btn_Cancel});

    setTabOrder(Edt_Name, Edt_Price);
    setTabOrder(Edt_Price, cbo_Status);
    setTabOrder(cbo_Status, dtp_begin_use);
    setTabOrder(dtp_begin_use, Memo1);
    setTabOrder(Memo1, btn_OK);
    setTabOrder(btn_OK, btn_Cancel);
}

void TfrmDeptFixedEdit::ClearFixed()
{
    dtp_begin_use->setDateTime(platform::Clock::Now());
    cbo_Status->setCurrentIndex(0);
    Edt_Price->clear();
    Edt_Name->clear();
    Memo1->clear();
    Edt_Name->setFocus();
}

void TfrmDeptFixedEdit::LoadFixed(const QString& id)
{
    platform::db::Query* query = DM->temQry;
    OpenQuery(query, QStringLiteral("SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,"
                                    "A.NOW_PRICE,A.MEMO1 FROM T_FIXED_ASSETS A WHERE A.ID=")
                         + id);
    dtp_begin_use->setDateTime(query->FieldByName(QStringLiteral("BEGIN_USE_DATE")).AsDateTime());
    Edt_Name->setText(query->FieldByName(QStringLiteral("NAME")).AsString());
    // A stored condition that is none of the items leaves no item selected.
    cbo_Status->setCurrentIndex(
        cbo_Status->findText(query->FieldByName(QStringLiteral("STATUS")).AsString()));
    Edt_Price->setText(query->FieldByName(QStringLiteral("FIRST_PRICE")).AsString());
    Memo1->setPlainText(query->FieldByName(QStringLiteral("MEMO1")).AsString());
    Edt_Name->setFocus();
}

void TfrmDeptFixedEdit::btn_OKClick()
{
    if (platform::Trim(Edt_Name->text()).isEmpty()) {
        ShowNotice(QStringLiteral("信息填写不完整！"), Edt_Name);
        return;
    }
    if (!platform::IsNumber(Edt_Price->text())) {
        ShowNotice(QStringLiteral("价值不正确！"), Edt_Price);
        return;
    }
    FixedDate = platform::DateToStr(dtp_begin_use->date());
    FixedPrice = Edt_Price->text();
    FixedStatus = cbo_Status->currentIndex() < 0 ? QString() : cbo_Status->currentText();
    FixedName = Edt_Name->text();
    FixedMemo = Memo1->toPlainText();
    SetModalResult(platform::mrOk);
}

void TfrmDeptFixedEdit::btn_CancelClick() { SetModalResult(platform::mrCancel); }

