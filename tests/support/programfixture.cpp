#include "support/programfixture.h"

#include "app/tt_zunov.h"
#include "link/instrumentsession.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

ProgramFixture::ProgramFixture()
    : ProgramFixture(Options{})
{}

ProgramFixture::ProgramFixture(const Options &options)
{
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    if (!options.ini.isEmpty())
        writeFile(QStringLiteral("ZUNOV.INI"), options.ini);
    writeFile(QStringLiteral("HELP.dat"), options.help);
    if (options.instrument) {
        m_instrument = std::make_unique<zunovsim::Emulator>();
        m_instrument->setLink(m_dir.path().toStdString(), 1);
        m_instrument->start();
    } else {
        // Without the instrument, COM1 leads nowhere, so that no test ever
        // opens a real serial port of the machine it runs on.
        QFile::link(QStringLiteral("absent-device"), QDir(m_dir.path()).filePath("COM1"));
    }
    m_messages = std::make_unique<RecordingMessageSink>();
    m_fileDialog = std::make_unique<ScriptedFileDialog>();
}

ProgramFixture::~ProgramFixture()
{
    m_windows.reset();
    m_fileDialog.reset();
    m_messages.reset();
    if (m_instrument)
        m_instrument->stop();
    QDir::setCurrent(m_savedDir);
}

void ProgramFixture::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(m_dir.path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

void ProgramFixture::start()
{
    // One program at a time: the old windows give the port back first.
    m_windows.reset();
    m_windows = std::make_unique<AppWindows>();
}

bool ProgramFixture::poll()
{
    // A silent instrument holds a poll for one read time-out.
    constexpr int LongestPollMs = 3000;
    QSignalSpy ended(&window()->session(), &InstrumentSession::polled);
    emit window()->Timer2->timeout();
    return ended.wait(LongestPollMs);
}
