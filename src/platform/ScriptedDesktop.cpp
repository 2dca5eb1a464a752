#include "platform/ScriptedDesktop.h"

#include "platform/Form.h"

namespace platform {

int ScriptedDesktop::MessageBox(const QString& text, const QString& caption, Icon icon,
                                Buttons buttons)
{
    m_boxes.push_back({text, caption, icon, buttons});
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? mrYes : mrOk;
}

int ScriptedDesktop::ShowModal(Form& form)
{
    m_shownForms.push_back(&form);
    form.PrepareModal();
    form.RunShowHandler();
    if (m_actions.empty())
        return mrCancel;
    FormAction action = std::move(m_actions.front());
    m_actions.pop_front();
    action(form);
    return form.ModalResult() == mrNone ? mrCancel : form.ModalResult();
}

QString ScriptedDesktop::SaveFileName(const QString& caption, const QString& defaultPath,
                                      const QString& filter)
{
    m_fileDialogs.push_back({caption, defaultPath, filter});
    if (m_fileAnswers.empty())
        return defaultPath;
    const QString answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

void ScriptedDesktop::Clear()
{
    m_boxes.clear();
    m_shownForms.clear();
    m_answers.clear();
    m_actions.clear();
    m_fileDialogs.clear();
    m_fileAnswers.clear();
}

} // namespace platform
