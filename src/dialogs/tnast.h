#pragma once

#include "platform/profilefile.h"

#include <QWidget>
#include <memory>

namespace Ui {
class TNast;
}
struct Configuration;

// The settings window: the port number and the poll period as the user types
// them, saved to the settings file as text. The running program keeps its
// old values, so saving asks for a restart through the flag the main window
// watches. Closing the window only hides it and keeps what was typed.
class TNast : public QWidget
{
    Q_OBJECT

public:
    // restartRequest: the program-wide flag, set once the settings are saved.
    // configuration: the settings as the program read them at start-up.
    TNast(bool *restartRequest, const Configuration &configuration, QWidget *parent = nullptr);
    ~TNast() override;

private:
    void Button2Click();

    std::unique_ptr<Ui::TNast> ui;
    bool *m_restartRequest;
    ProfileFile m_settings;
};

extern TNast *Nast;
