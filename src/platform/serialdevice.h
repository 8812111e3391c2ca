#pragma once

#include "platform/seriallineparameters.h"

#include <QString>
#include <optional>
#include <termios.h>

enum class ModemLine { Dtr, Rts };

// One POSIX serial device, opened for exclusive use in raw mode and closed
// with the object. The line's own settings are put back when it is closed, so
// a terminal that someone else uses is not left raw. Transfers never block
// longer than the time-out they are given. A device that goes away while open
// (an adapter pulled, the other end of a pseudo-terminal closed) is closed at
// once, and from then on the object behaves like one whose open failed: every
// call returns at once with nothing done.
class SerialDevice
{
public:
    SerialDevice() = default;
    ~SerialDevice();

    SerialDevice(const SerialDevice &) = delete;
    SerialDevice &operator=(const SerialDevice &) = delete;

    // Opens a character device that is a terminal and that nobody else holds.
    // Anything else (no such path, a regular file, a directory, a busy port)
    // leaves the object closed and returns false; openError() then says why.
    bool open(const QString &path);
    bool isOpen() const { return m_fd >= 0; }
    void close();

    // The errno of the last failed open: ENOTTY for something that is not a
    // terminal, EBUSY for a port that another holder keeps (whether its
    // exclusive flag or its lock said so). 0 after a successful open.
    int openError() const { return m_openError; }
    // True once an open device has gone away, until it is opened again.
    bool wasLost() const { return m_lost; }
    // The terminal opened last is the instrument emulator's.
    bool isEmulatorTerminal() const { return m_emulator; }
    // For an event loop to watch for a hang-up; -1 while closed. Everything
    // read from or written to the device goes through this object.
    int descriptor() const { return m_fd; }

    // 1 when a byte was read into target, 0 after timeoutMs or on failure;
    // target is left as it was unless a byte arrived.
    int readByte(uint8_t &target, int timeoutMs);
    // 1 when the byte was queued for sending, 0 when the output queue stayed
    // full for timeoutMs or on failure.
    int writeByte(uint8_t byte, int timeoutMs);
    // Throws away whatever has been received and not yet read.
    void discardInput();
    // Looks, without waiting, whether the device has gone away while nobody
    // was talking to it; a lost device is closed as a transfer would close it.
    void checkLine();

    std::optional<SerialLineParameters> lineParameters() const;
    // Changes speed, data bits, parity and stop bits and keeps every other
    // setting of the line. False when the device is closed or rejects them, or
    // a value has no equivalent here (a speed outside the standard table).
    bool setLineParameters(const SerialLineParameters &parameters);

    // Fails on devices without modem lines, pseudo-terminals among them.
    bool setModemLine(ModemLine line, bool on);

private:
    bool fail(int fd, int error);
    void lose();

    int m_fd = -1;
    int m_openError = 0;
    bool m_lost = false;
    bool m_emulator = false;
    termios m_savedSettings{};
};
