#include "catalogue/uDeptEdit.h"

#include "data/uPublic.h"
#include "platform/Application.h"
#include "platform/Conversions.h"
#include "platform/Desktop.h"
#include "shell/dbmodule.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmDeptEdit* frmDeptEdit = nullptr;

namespace {

// The field captions of the editor sit on a sky-blue ground, as tall as a
// one-line field.
QLabel* Caption(QWidget* field, const QString& text, int height)
{
    QLabel* label = platform::CaptionFor(field, text);
    label->setFixedHeight(height);
    label->setStyleSheet(QStringLiteral("QLabel { background-color: #A6CAF0; color: black;"
                                        " padding: 2px 6px; }"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void MakeBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace

TfrmDeptEdit::TfrmDeptEdit(QWidget* parent)
    : Form(parent), Edt_name(new platform::UpperCaseEdit(this)),
      cbo_DeptType(new platform::IdComboBox(this)), dtp_found(new platform::DatePicker(this)),
      Edt_Manager(new platform::UpperCaseEdit(this)), Edt_Manager_Tel(new platform::UpperCaseEdit(this)),
      Memo1(new QPlainTextEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("社团信息编辑："));
    for (QWidget* edit : {static_cast<QWidget*>(Edt_name), static_cast<QWidget*>(Edt_Manager),
                          static_cast<QWidget*>(Edt_Manager_Tel)})
        MakeBold(edit);
    cbo_DeptType->setEditable(false);
    cbo_DeptType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbo_DeptType->setMinimumContentsLength(12);
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 5 + 12);
    for (QPushButton* button : {btn_OK, btn_Cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumWidth(80);
    }

    const int captionHeight = qMax(Edt_name->sizeHint().height(), cbo_DeptType->sizeHint().height());
    const auto caption = [captionHeight](QWidget* field, const QString& text) {
        return Caption(field, text, captionHeight);
    };
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    fields->addWidget(caption(Edt_name, QStringLiteral("社团名称")), 0, 0);
    fields->addWidget(Edt_name, 0, 1, 1, 3);
    fields->addWidget(caption(cbo_DeptType, QStringLiteral("类别")), 1, 0);
    fields->addWidget(cbo_DeptType, 1, 1);
    fields->addWidget(caption(dtp_found, QStringLiteral("成立时间")), 1, 2);
    fields->addWidget(dtp_found, 1, 3);
    fields->addWidget(caption(Edt_Manager, QStringLiteral("负责人")), 2, 0);
    fields->addWidget(Edt_Manager, 2, 1);
    fields->addWidget(caption(Edt_Manager_Tel, QStringLiteral("联系方式")), 2, 2);
    fields->addWidget(Edt_Manager_Tel, 2, 3);
    fields->addWidget(caption(Memo1, QStringLiteral("社团简介")), 3, 0, Qt::AlignTop);
    fields->addWidget(Memo1, 3, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    QVBoxLayout* layout = LayOut(fields, {btn_OK, btn_Cancel});
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(14);

    setTabOrder(Edt_name, cbo_DeptType);
    setTabOrder(cbo_DeptType, dtp_found);
    setTabOrder(dtp_found, Edt_Manager);
    setTabOrder(Edt_Manager, Edt_Manager_Tel);
    setTabOrder(Edt_Manager_Tel, Memo1);
    setTabOrder(Memo1, btn_OK);
    setTabOrder(btn_OK, btn_Cancel);

    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    platform::Application::On(btn_Cancel, &QPushButton::clicked, this, [this] { btn_CancelClick(); });
}

void TfrmDeptEdit::SetDept(const QString& name, const QString& typeID, const QString& manager,
                           const QString& managerTel, const QString& basicThing,
                           const QString& foundDate)
{
    Edt_name->setText(name);
    DeptTypeID = typeID;
    Edt_Manager->setText(manager);
    Edt_Manager_Tel->setText(managerTel);
    Memo1->setPlainText(basicThing);
    dtp_found->setDateTime(QDateTime(platform::StrToDate(foundDate), QTime(0, 0)));
}

void TfrmDeptEdit::ReadDept(const QString& id)
{
    m_sql = QStringLiteral("SELECT NAME,UPID,MANAGER,MANAGER_TEL,BASIC_THING,FOUND_DATE FROM T_DEPT WHERE ID=")
            + id;
    platform::db::Query* query = DM->temQry;
    OpenQuery(query, m_sql);
    Edt_name->setText(query->FieldByName(QStringLiteral("NAME")).AsString());
    DeptTypeID = query->FieldByName(QStringLiteral("UPID")).AsString();
    Edt_Manager->setText(query->FieldByName(QStringLiteral("MANAGER")).AsString());
    Edt_Manager_Tel->setText(query->FieldByName(QStringLiteral("MANAGER_TEL")).AsString());
    Memo1->setPlainText(query->FieldByName(QStringLiteral("BASIC_THING")).AsString());
    dtp_found->setDateTime(query->FieldByName(QStringLiteral("FOUND_DATE")).AsDateTime());
    query->Close();
}

void TfrmDeptEdit::FormShow()
{
    FillIdNameList(QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID=0"), *cbo_DeptType);
    if (!DeptTypeID.isEmpty())
        cbo_DeptType->SelectId(DeptTypeID.toInt());
    else
        cbo_DeptType->setCurrentIndex(0);
}

void TfrmDeptEdit::btn_OKClick()
{
    if (Edt_name->text().isEmpty()) {
        ShowNotice(QStringLiteral("不能输入空值！"), Edt_name);
        return;
    }
    // Only a stored type missing from the list leaves nothing selected; the
    // association must not be written without a type.
    if (cbo_DeptType->currentIndex() < 0) {
        ShowNotice(QStringLiteral("请选择社团类别！"), cbo_DeptType);
        return;
    }
    DeptName = Edt_name->text();
    DeptTypeID = QString::number(cbo_DeptType->SelectedId());
    DeptManager = Edt_Manager->text();
    DeptManagerTel = Edt_Manager_Tel->text();
    DeptBasicThing = Memo1->toPlainText();
    DeptFoundDate = dtp_found->dateTime();
    SetModalResult(platform::mrOk);
}

void TfrmDeptEdit::btn_CancelClick() { SetModalResult(platform::mrCancel); }
