#include "catalogue/uEdit.h"

#include "data/uPublic.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmEdit* frmEdit = nullptr;

TfrmEdit::TfrmEdit(QWidget* parent)
    : Form(parent), Edt_content(new QLineEdit(this)), btn_OK(new QPushButton(QStringLiteral("O K"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("内容编辑"));
    Label1 = platform::CaptionFor(Edt_content, QStringLiteral("请输入编辑内容："), this);
    Edt_content->setMinimumWidth(260);
    auto* content = new QVBoxLayout;
    content->addWidget(Label1);
    content->addWidget(Edt_content);
    LayOut(content, {btn_OK, btn_Cancel});
    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    platform::Application::On(btn_Cancel, &QPushButton::clicked, this, [this] { btn_CancelClick(); });
}

void TfrmEdit::SetContent(const QString& text)
{
    Content = text;
    Edt_content->setText(text);
}

void TfrmEdit::btn_OKClick()
{
    if (Edt_content->text().isEmpty()) {
        ShowNotice(QStringLiteral("不能输入空值！"), Edt_content);
        return;
    }
    Content = Edt_content->text();
    SetModalResult(platform::mrOk);
}

void TfrmEdit::btn_CancelClick() { SetModalResult(platform::mrCancel); }
