#pragma once

#include "record/recordingrotation.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// The second step of "Spustit záznam…": whether the recording goes on in a
// new file at midnight or at a size. The size is typed as after
// --log-rotate (100M, 20K); while it is not one, OK cannot be pressed.
class RotationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RotationDialog(const RecordingRotation &offered, QWidget *parent = nullptr);

    // The choice as the controls stand; none while the size is not a size.
    std::optional<RecordingRotation> choice() const;
    QComboBox *kindBox() const { return m_kind; }
    QLineEdit *sizeEdit() const { return m_size; }

private:
    void showChoice();

    QComboBox *m_kind;
    QLineEdit *m_size;
    QDialogButtonBox *m_buttons;
};

// Asks in the dialog; none when it was cancelled. Tests answer in its place
// (setRotationAnswerer), so that nothing waits for a click.
using RotationAnswerer =
    std::function<std::optional<RecordingRotation>(const RecordingRotation &offered)>;
std::optional<RecordingRotation> askRecordingRotation(const RecordingRotation &offered,
                                                      QWidget *parent);
// Installs an answerer and returns the one it replaces; an empty one
// restores the dialog.
RotationAnswerer setRotationAnswerer(RotationAnswerer answerer);
