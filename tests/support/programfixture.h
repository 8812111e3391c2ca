#pragma once

#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "emulator.h"
#include "support/recordingmessagesink.h"
#include "support/scriptedfiledialog.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

// A whole program in a fresh working directory of its own: the settings file
// and help text it is given, optionally the emulated instrument linked as
// COM1 there, message boxes recorded instead of shown, file dialogs answered
// by the test, and all windows.
class ProgramFixture
{
public:
    struct Options
    {
        QByteArray ini;         // ZUNOV.INI; empty for no file at all
        bool instrument = true; // start the emulator as COM1
        QByteArray help = "Nápověda\n";
    };

    ProgramFixture();
    explicit ProgramFixture(const Options &options);
    ~ProgramFixture();

    ProgramFixture(const ProgramFixture &) = delete;
    ProgramFixture &operator=(const ProgramFixture &) = delete;

    void writeFile(const QString &name, const QByteArray &bytes);

    // Creates the windows, as the program does at start-up.
    void start();
    // One tick of the poll timer, then the wait until the poll has ended;
    // false when it did not end within the exchange's longest time.
    bool poll();

    TT_ZUNOV *window() const { return m_windows->mainWindow(); }
    TPripoj *connectWindow() const { return m_windows->connectWindow(); }
    TGraff *graphWindow() const { return m_windows->graphWindow(); }
    TNast *settingsWindow() const { return m_windows->settingsWindow(); }
    Tnapoved *helpWindow() const { return m_windows->helpWindow(); }
    TfrmOProgramu *aboutWindow() const { return m_windows->aboutWindow(); }
    StatisticsWindow *statisticsWindow() const { return m_windows->statisticsWindow(); }
    TrendWindow *trendWindow() const { return m_windows->trendWindow(); }
    LimitsWindow *limitsWindow() const { return m_windows->limitsWindow(); }
    SweepWindow *sweepWindow() const { return m_windows->sweepWindow(); }
    zunovsim::Emulator &instrument() { return *m_instrument; }
    RecordingMessageSink &messages() { return *m_messages; }
    ScriptedFileDialog &fileDialog() { return *m_fileDialog; }
    QString path() const { return m_dir.path(); }

    // A control of the main window, or of another window, by its name.
    template<typename T>
    T *control(const char *name) const
    {
        return control<T>(window(), name);
    }
    template<typename T>
    static T *control(QWidget *window, const char *name);

private:
    QTemporaryDir m_dir;
    QString m_savedDir;
    std::unique_ptr<zunovsim::Emulator> m_instrument;
    std::unique_ptr<RecordingMessageSink> m_messages;
    std::unique_ptr<ScriptedFileDialog> m_fileDialog;
    std::unique_ptr<AppWindows> m_windows;
};

template<typename T>
T *ProgramFixture::control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}
