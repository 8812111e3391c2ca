#pragma once

#include "platform/profilefile.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TNast;
}
struct Configuration;

// The settings window: the port number, the poll period and the device as the
// user types or picks them, saved to the settings file as text. The running
// program keeps its old values, so saving asks the main window for a restart. Closing the window
// only hides it and keeps what was typed.
class TNast : public QWidget
{
    Q_OBJECT

public:
    // requestRestart: called once the settings are saved.
    // configuration: the settings as the program read them at start-up.
    TNast(std::function<void()> requestRestart, const Configuration &configuration,
          QWidget *parent = nullptr);
    ~TNast() override;

protected:
    // The ports are listed afresh each time: adapters come and go.
    void showEvent(QShowEvent *event) override;

private:
    void Button2Click();
    void listPorts();
    void pickPort(int index);

    std::unique_ptr<Ui::TNast> ui;
    std::function<void()> m_requestRestart;
    ProfileFile m_settings;
    std::optional<QString> m_storedDevice; // as the file had it at start-up
};
