#include "subjects/uWasteItemEdit.h"

#include "data/uPublic.h"
#include "platform/Application.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmWasteTypeEdit* frmWasteTypeEdit = nullptr;

namespace {
const QString kIncome = QStringLiteral("收入");
const QString kExpense = QStringLiteral("支出");

void MakeBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void MakeBoldGreen(QRadioButton* button)
{
    MakeBold(button);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, Qt::darkGreen);
    palette.setColor(QPalette::ButtonText, Qt::darkGreen);
    button->setPalette(palette);
}
} // namespace

TfrmWasteTypeEdit::TfrmWasteTypeEdit(QWidget* parent)
    : Form(parent), Edt_name(new platform::UpperCaseEdit(this)),
      rb_in(new QRadioButton(kIncome, this)), rb_out(new QRadioButton(kExpense, this)),
      btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("财务科目编辑："));
    MakeBold(Edt_name);
    MakeBoldGreen(rb_in);
    MakeBoldGreen(rb_out);
    rb_out->setChecked(true);
    BuildLayout();

    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    platform::Application::On(btn_Cancel, &QPushButton::clicked, this, [this] { btn_CancelClick(); });
}

void TfrmWasteTypeEdit::BuildLayout()
{
    // The two kinds are siblings of one row: auto-exclusive, so exactly one is selected.
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(rb_in);
    kinds->addWidget(rb_out);
    kinds->addStretch();

    auto* fields = new QFormLayout;
    fields->addRow(platform::CaptionFor(Edt_name, QStringLiteral("科目名称"), this), Edt_name);
    fields->addRow(QString(), kinds);
    Edt_name->setMinimumWidth(220);

    LayOut(fields, {btn_OK, btn_Cancel});

    setTabOrder(Edt_name, rb_in);
    setTabOrder(rb_in, rb_out);
    setTabOrder(rb_out, btn_OK);
    setTabOrder(btn_OK, btn_Cancel);
}

void TfrmWasteTypeEdit::SetSubject(const QString& name, const QString& kind)
{
    Edt_name->setText(name);
    (kind == kIncome ? rb_in : rb_out)->setChecked(true);
    Edt_name->setFocus();
}

void TfrmWasteTypeEdit::btn_OKClick()
{
    // Only the empty text is refused: a name of blanks is taken as it is.
    if (Edt_name->text().isEmpty()) {
        ShowNotice(QStringLiteral("不能输入空值！"), Edt_name);
        return;
    }
    SubjectName = Edt_name->text();
    SubjectInOut = rb_in->isChecked() ? kIncome : kExpense;
    SetModalResult(platform::mrOk);
}

void TfrmWasteTypeEdit::btn_CancelClick() { SetModalResult(platform::mrCancel); }
