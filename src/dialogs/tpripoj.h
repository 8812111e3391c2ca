#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TPripoj;
}

// The connect window: shows the handshake's steps while the main window runs
// them. It has no behaviour of its own; closing it only hides it.
class TPripoj : public QWidget
{
    Q_OBJECT

public:
    explicit TPripoj(QWidget *parent = nullptr);
    ~TPripoj() override;

    void setStepText(const QString &text);
    void setSentByte(int value);
    void setReceivedByte(int value);
    void setProgress(int percent);

private:
    std::unique_ptr<Ui::TPripoj> ui;
};
