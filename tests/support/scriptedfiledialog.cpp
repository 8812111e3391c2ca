#include "support/scriptedfiledialog.h"

ScriptedFileDialog::ScriptedFileDialog()
{
    m_previous = setSaveFileAnswerer([this](const SaveFileQuestion &question) {
        m_questions.append(question);
        return m_answer;
    });
}

ScriptedFileDialog::~ScriptedFileDialog()
{
    setSaveFileAnswerer(std::move(m_previous));
}
