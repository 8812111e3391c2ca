#pragma once

#include "platform/filedialog.h"

#include <QList>
#include <QString>

// Answers the program's file dialogs while a test runs, so that none waits
// for a click: every question is kept, and the answer is the path set last
// (empty, the default, is a cancelled dialog). Restores the answerer it
// replaced; nest them strictly.
class ScriptedFileDialog
{
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog();

    ScriptedFileDialog(const ScriptedFileDialog &) = delete;
    ScriptedFileDialog &operator=(const ScriptedFileDialog &) = delete;

    void setAnswer(const QString &path) { m_answer = path; }
    QList<SaveFileQuestion> questions() const { return m_questions; }

private:
    QString m_answer;
    QList<SaveFileQuestion> m_questions;
    SaveFileAnswerer m_previous;
};
