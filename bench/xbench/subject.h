#pragma once

#include "emulator.h"
#include "processstats.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

// A program under measurement: it runs in a working folder of its own, with
// the program's data files and a ZUNOV.INI, and talks to an emulated
// instrument of its own that is linked there as COM1. The emulator counts
// the polls it answers, which is what the CPU time is divided by.
class Subject
{
public:
    struct Sample
    {
        double seconds = 0;
        ProcessStats stats;
        int polls = 0;
    };

    // Starts the emulator, then the program with the X platform in that
    // folder; the program is ended when the subject goes.
    Subject(const QString &program, const QStringList &arguments, const QString &dataFolder,
            int pollPeriodMs);
    ~Subject();

    Subject(const Subject &) = delete;
    Subject &operator=(const Subject &) = delete;

    bool running() const { return m_process.state() == QProcess::Running; }
    int polls() const { return m_instrument.exchangeCount(); }
    // Waits until the emulator has answered this many more polls.
    bool waitForPolls(int count, int timeLimitMs) const;
    Sample sample() const;

private:
    QTemporaryDir m_folder;
    zunovsim::Emulator m_instrument;
    QProcess m_process;
    QElapsedTimer m_clock;
};

// What a subject cost between two samples.
struct Figures
{
    double cpuPercent = 0;   // of one core
    double cpuPerPollMs = 0; // 0 when it did not poll
    double switchesPerSecond = 0;
    double pollsPerSecond = 0;
};

Figures figuresBetween(const Subject::Sample &from, const Subject::Sample &to);
