#pragma once

#include <QString>
#include <memory>

namespace platform {

class Form;

enum class Icon { Error, Warning, Question, Information };
enum class Buttons { Ok, YesNo };

// Modal results, numbered as the program's dialogs report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// The one door for everything modal: message boxes and modal dialogs. The real
// desktop uses Qt; tests install a scripted one.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Shows a box and returns the button pressed (mrOk, mrYes or mrNo). Line
    // breaks in the text are single carriage returns.
    virtual int MessageBox(const QString& text, const QString& caption, Icon icon,
                           Buttons buttons) = 0;

    // Shows the form modally and returns its modal result (mrOk or mrCancel).
    virtual int ShowModal(Form& form) = 0;

    // Asks where to save a file, proposing defaultPath; returns the chosen path,
    // or "" when the user cancels. filter is a file-type filter such as
    // "数据库文件 (*.mdb)".
    virtual QString SaveFileName(const QString& caption, const QString& defaultPath,
                                 const QString& filter) = 0;

    static Desktop& Current();
    // Installs a desktop; returns the one it replaces.
    static std::unique_ptr<Desktop> Install(std::unique_ptr<Desktop> desktop);
};

class QtDesktop : public Desktop {
public:
    int MessageBox(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    int ShowModal(Form& form) override;
    QString SaveFileName(const QString& caption, const QString& defaultPath,
                         const QString& filter) override;
};

} // namespace platform
