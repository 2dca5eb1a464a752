#include "platform/Form.h"

#include "platform/Application.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QScreen>

namespace platform {

Form::Form(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

int Form::ShowModal() { return Desktop::Current().ShowModal(*this); }

void Form::SetModalResult(int result)
{
    m_modalResult = result;
    QDialog::done(result);
}

QVBoxLayout* Form::LayOut(QLayout* content, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

void Form::PrepareModal() { m_modalResult = mrNone; }

void Form::RunShowHandler()
{
    Application::Guard([this] { FormShow(); });
}

void Form::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        CentreOnScreenWithoutVisibleParent();
        RunShowHandler();
    }
    QDialog::showEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// A dialog is centred on its visible parent by Qt; one shown before its parent
// (the login) is centred on the screen.
void Form::CentreOnScreenWithoutVisibleParent()
{
    if (parentWidget() && parentWidget()->isVisible())
        return;
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

// The close box and reject() end the form with Cancel.
void Form::done(int result)
{
    if (m_modalResult == mrNone)
        m_modalResult = result == mrOk ? mrOk : mrCancel;
    QDialog::done(m_modalResult);
}

} // namespace platform
