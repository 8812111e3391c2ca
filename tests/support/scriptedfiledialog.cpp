#include "support/scriptedfiledialog.h"

ScriptedFileDialog::ScriptedFileDialog()
{
    m_previous = setSaveFileAnswerer([this](const SaveFileQuestion &question) {
        m_questions.append(question);
        return m_answer;
    });
    m_previousRotation = setRotationAnswerer([this](const RecordingRotation &offered) {
        m_rotationQuestions.append(offered);
        return m_rotationAnswer;
    });
}

ScriptedFileDialog::~ScriptedFileDialog()
{
    setRotationAnswerer(std::move(m_previousRotation));
    setSaveFileAnswerer(std::move(m_previous));
}
