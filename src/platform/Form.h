#pragma once

#include "platform/Desktop.h"

#include <QDialog>

class QPushButton;
class QVBoxLayout;

namespace platform {

// A modal dialog of the program. Its show handler FormShow runs under the
// top-level guard before the dialog appears; an error there is reported and the
// dialog opens all the same. Escape does nothing, and Enter presses only the
// focused button: no button is a default button.
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Shows the form through the current desktop and returns its modal result.
    int ShowModal();

    // Closes the form with the given result (mrOk, mrCancel).
    void SetModalResult(int result);
    int ModalResult() const { return m_modalResult; }

    // Called by the desktop before the modal loop starts: clears the result.
    void PrepareModal();
    // Lays the form out: its content above a row of buttons on the right; no
    // button is a default button, and the form keeps the size it needs.
    QVBoxLayout* LayOut(QLayout* content, std::initializer_list<QPushButton*> buttons);

    // Runs FormShow under the guard. The real desktop calls it from the show
    // event, the scripted desktop directly.
    void RunShowHandler();

protected:
    virtual void FormShow() {}
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void CentreOnScreenWithoutVisibleParent();

    int m_modalResult = mrNone;
};

} // namespace platform
