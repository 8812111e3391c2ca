#pragma once

#include "platform/profilefile.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class TNast;
}
struct Configuration;

// The settings window: the port number, the poll period and the device as the
// user types or picks them, saved to the settings file as text. The running
// program keeps its old values, so saving asks for a restart through the flag
// the main window watches. Closing the window only hides it and keeps what was
// typed.
class TNast : public QWidget
{
    Q_OBJECT

public:
    // restartRequest: the program-wide flag, set once the settings are saved.
    // configuration: the settings as the program read them at start-up.
    TNast(bool *restartRequest, const Configuration &configuration, QWidget *parent = nullptr);
    ~TNast() override;

protected:
    // The ports are listed afresh each time: adapters come and go.
    void showEvent(QShowEvent *event) override;

private:
    void Button2Click();
    void listPorts();
    void pickPort(int index);

    std::unique_ptr<Ui::TNast> ui;
    bool *m_restartRequest;
    ProfileFile m_settings;
    std::optional<QString> m_storedDevice; // as the file had it at start-up
};

extern TNast *Nast;
