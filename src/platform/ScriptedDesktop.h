#pragma once

#include "platform/Desktop.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace platform {

// A desktop without a display, for tests and benchmarks. It records every box
// shown and answers from a script; it runs a scripted action on each modal form
// instead of a modal loop.
class ScriptedDesktop : public Desktop {
public:
    struct Box {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };
    using FormAction = std::function<void(Form&)>;

    int MessageBox(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    int ShowModal(Form& form) override;
    QString SaveFileName(const QString& caption, const QString& defaultPath,
                         const QString& filter) override;

    // Answers for the next boxes, in order. A box without a scripted answer gets
    // OK, or Yes when it asks Yes/No.
    void Answer(int answer) { m_answers.push_back(answer); }
    // Actions for the next modal forms, in order. A form without an action
    // closes with Cancel, as if the user had closed it.
    void OnModal(FormAction action) { m_actions.push_back(std::move(action)); }
    // Answers for the next save dialogs, in order ("" cancels). A dialog without a
    // scripted answer takes the proposed path.
    void AnswerSaveFileName(const QString& path) { m_fileAnswers.push_back(path); }

    const std::vector<Box>& Boxes() const { return m_boxes; }
    const std::vector<Form*>& ShownForms() const { return m_shownForms; }
    // The save dialogs asked, with the proposed path each showed.
    struct FileDialog {
        QString caption;
        QString defaultPath;
        QString filter;
    };
    const std::vector<FileDialog>& FileDialogs() const { return m_fileDialogs; }
    void Clear();

private:
    std::vector<Box> m_boxes;
    std::vector<Form*> m_shownForms;
    std::deque<int> m_answers;
    std::deque<FormAction> m_actions;
    std::vector<FileDialog> m_fileDialogs;
    std::deque<QString> m_fileAnswers;
};

} // namespace platform
