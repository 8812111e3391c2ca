#pragma once

#include "portlink.h"

#include <string>

namespace zunovsim {

// One pseudo-terminal pair. The master is ours; the slave is what the program
// opens as its serial port.
//
// The master is switched to raw mode straight away: a fresh pair starts in
// cooked mode, which echoes, translates line ends and eats control bytes
// such as 0x03 before anyone sees them. We also keep a slave descriptor open
// for our whole life, so that the program can close and reopen the port
// without the pair falling apart and losing its settings.
//
// Throws std::system_error when the pair cannot be made.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    const std::string &slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }
    int slaveFd() const { return m_slave; }
    bool isOpen() const { return m_master >= 0; }

    // Makes dirPath/name a symbolic link to the slave (see PortLink: only a
    // link an earlier emulator left behind is replaced; a name taken by
    // anything else throws with EEXIST). The link goes again on destruction.
    void createLink(const std::string &dirPath, const std::string &name);
    const std::string &linkPath() const { return m_link.path(); }

    // Closes our ends, so the other side sees the line hang up, and removes
    // the link.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
    PortLink m_link;
};

} // namespace zunovsim
