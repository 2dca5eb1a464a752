#include "shell/uLog.h"

#include "platform/Application.h"
#include "platform/Conversions.h"
#include "shell/dbmodule.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

QString CurUserID;
QString CurUserRight;
TfrmLog* frmLog = nullptr;

namespace {

// Hands the Enter key of an edit to a key-press handler of the window.
class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QLineEdit* edit, std::function<void(QChar&)> handler)
        : QObject(edit), m_handler(std::move(handler))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        QChar code(13);
        platform::Application::Guard([&] { m_handler(code); });
        return true;
    }

private:
    std::function<void(QChar&)> m_handler;
};

} // namespace

TfrmLog::TfrmLog(QWidget* parent)
    : Form(parent), Edt_username(new platform::UpperCaseEdit(this)), Edt_password(new QLineEdit(this)),
      btn_ok(new QPushButton(QStringLiteral("确  定"), this)),
      btn_cancel(new QPushButton(QStringLiteral("取  消"), this)),
      tab_user(new platform::db::Table(DM->DB, QStringLiteral("T_user"), this))
{
    setWindowTitle(QStringLiteral("用户登录"));
    ST_Name = platform::CaptionFor(Edt_username, QStringLiteral("用户名"), this);
    StaticText2 = platform::CaptionFor(Edt_password, QStringLiteral("登录密码"), this);
    platform::SetPasswordChar(Edt_password, true);
    Edt_username->setMinimumWidth(200);

    auto* fields = new QGridLayout;
    fields->addWidget(ST_Name, 0, 0);
    fields->addWidget(Edt_username, 0, 1);
    fields->addWidget(StaticText2, 1, 0);
    fields->addWidget(Edt_password, 1, 1);
    LayOut(fields, {btn_ok, btn_cancel})->insertSpacing(1, 8);
    platform::SetTabOrder({Edt_username, Edt_password, btn_ok, btn_cancel});

    platform::Application::On(btn_ok, &QPushButton::clicked, this, [this] { btn_okClick(); });
    platform::Application::On(btn_cancel, &QPushButton::clicked, this, [this] { btn_cancelClick(); });
    new EnterKeyFilter(Edt_username, [this](QChar& key) { Edt_usernameKeyPress(key); });
    new EnterKeyFilter(Edt_password, [this](QChar& key) { Edt_passwordKeyPress(key); });
}

void TfrmLog::btn_okClick()
{
    if (!tab_user->Active())
        tab_user->Open();
    const QString name = platform::Trim(Edt_username->text());
    if (tab_user->Locate(QStringLiteral("NAME;PASSWORD"), {name, Edt_password->text()})) {
        CurUserID = tab_user->FieldByName(QStringLiteral("ID")).AsString();
        CurUserRight = tab_user->FieldByName(QStringLiteral("RIGHT")).AsString();
        SetModalResult(platform::mrOk);
        return;
    }
    platform::Desktop::Current().MessageBox(QStringLiteral("输入的密码不正确！"), QStringLiteral("登录失败"),
                                            platform::Icon::Error, platform::Buttons::Ok);
    Edt_password->setFocus();
}

void TfrmLog::btn_cancelClick() { SetModalResult(platform::mrCancel); }

void TfrmLog::Edt_usernameKeyPress(QChar& key)
{
    if (key != QChar(13))
        return;
    key = QChar();
    Edt_password->setFocus();
}

void TfrmLog::Edt_passwordKeyPress(QChar& key)
{
    if (key != QChar(13))
        return;
    key = QChar();
    btn_okClick();
}
