#include "platform/Desktop.h"

#include "platform/Form.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace platform {

namespace {
std::unique_ptr<Desktop>& Installed()
{
    static std::unique_ptr<Desktop> desktop = std::make_unique<QtDesktop>();
    return desktop;
}

QMessageBox::Icon ToQt(Icon icon)
{
    switch (icon) {
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Desktop& Desktop::Current() { return *Installed(); }

std::unique_ptr<Desktop> Desktop::Install(std::unique_ptr<Desktop> desktop)
{
    std::swap(Installed(), desktop);
    return desktop;
}

int QtDesktop::MessageBox(const QString& text, const QString& caption, Icon icon,
                          Buttons buttons)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(ToQt(icon), caption, shown, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        return box.exec() == QMessageBox::No ? mrNo : mrYes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
    return mrOk;
}

int QtDesktop::ShowModal(Form& form)
{
    form.PrepareModal();
    form.exec();
    return form.ModalResult();
}

QString QtDesktop::SaveFileName(const QString& caption, const QString& defaultPath,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, defaultPath, filter);
}

} // namespace platform
