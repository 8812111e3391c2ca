#pragma once

#include "dialogs/rotationdialog.h"
#include "platform/filedialog.h"

#include <QList>
#include <QString>

// Answers the program's file dialogs while a test runs, so that none waits
// for a click: every question is kept, and the answer is the path set last
// (empty, the default, is a cancelled dialog). Restores the answerer it
// replaced; nest them strictly. The second question of a recording's start,
// whether it goes on in new files, is answered the same way: no rotation
// unless a test says otherwise, none at all for a cancelled dialog.
class ScriptedFileDialog
{
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog();

    ScriptedFileDialog(const ScriptedFileDialog &) = delete;
    ScriptedFileDialog &operator=(const ScriptedFileDialog &) = delete;

    void setAnswer(const QString &path) { m_answer = path; }
    QList<SaveFileQuestion> questions() const { return m_questions; }
    void setRotationAnswer(const std::optional<RecordingRotation> &answer)
    {
        m_rotationAnswer = answer;
    }
    // What each rotation question offered.
    QList<RecordingRotation> rotationQuestions() const { return m_rotationQuestions; }

private:
    QString m_answer;
    QList<SaveFileQuestion> m_questions;
    SaveFileAnswerer m_previous;
    std::optional<RecordingRotation> m_rotationAnswer = RecordingRotation{};
    QList<RecordingRotation> m_rotationQuestions;
    RotationAnswerer m_previousRotation;
};
