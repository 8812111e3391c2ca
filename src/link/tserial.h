#pragma once

#include "link/devicestatus.h"
#include "link/serialrecords.h"
#include "platform/serialdevice.h"

#include <QDir>
#include <QString>
#include <cstdint>

// The program's one serial port, opened by number (or by the configured device
// path) for the whole run. Line settings and time-outs are cached in records
// that are refreshed before each change and written back whole, so that
// settings made earlier (by us or by the port's previous user) survive. A port
// that could not be opened, or that went away later, makes every call fail at
// once and quietly: setters then change only the cached records, and WriteByte
// and ReadByte return 0 without waiting, until reopen() brings it back.
// Nothing here reports anything to the user.
class TSerial
{
public:
    // device: a path to open instead of the port of that number; empty for
    // the port by number.
    explicit TSerial(int PortNumber, const QString &workingDirectory = QDir::currentPath(),
                     const QString &device = QString());
    virtual ~TSerial() = default;

    TSerial(const TSerial &) = delete;
    TSerial &operator=(const TSerial &) = delete;

    // POSIX has no driver queue sizes to ask for; the request is kept, and it
    // succeeds whenever the port is open.
    bool SetBufferSizes(int32_t InQueue, int32_t OutQueue);

    void SetReadIntervalTimeout(uint32_t ms);
    void SetReadTotalTimeoutMultiplier(uint32_t ms);
    void SetReadTotalTimeoutConstant(uint32_t ms);
    void SetWriteTotalTimeoutMultiplier(uint32_t ms);
    void SetWriteTotalTimeoutConstant(uint32_t ms);

    bool ReadState();
    void WriteState();

    void SetBaudRate(uint32_t BaudRate);
    void SetParity(uint8_t Parity);
    void SetStopBits(uint8_t StopBits);
    void SetByteSize(uint8_t ByteSize);

    uint32_t GetBaudRate();
    uint8_t GetParity();
    uint8_t GetStopBits();
    uint8_t GetByteSize();

    bool SetDTR(bool on);
    bool SetRTS(bool on);

    // 1 when the byte went out, 0 when the output queue stayed full for the
    // write time-out, or on failure.
    int32_t WriteByte(uint8_t byte);
    // 1 when a byte arrived within the read time-out, else 0 with *target as
    // it was.
    int32_t ReadByte(uint8_t *target);
    // Takes a byte that has already arrived, without waiting; false when
    // there is none.
    bool readWaitingByte(uint8_t &target);
    // How long a read waits for its byte.
    int readTimeoutMs() const;

    bool IsOpen() const { return Handle.isOpen(); }
    // Opens the same choice of device again when it is not open, keeping the
    // cached records; the caller then applies the start-up configuration.
    // A device that went away is looked for at the same path only. True when
    // the port is open afterwards.
    bool reopen();
    // The port was open and its device went away; reopen() may bring it back.
    bool isLost() const { return Handle.wasLost(); }
    // Notices a device that went away while the port was idle.
    void checkLine() { Handle.checkLine(); }
    // What an event loop can watch to learn that the device went away; -1
    // while the port is not open.
    int descriptor() const { return Handle.descriptor(); }
    // Where the port leads and how it stands, as of the last open.
    DeviceStatus deviceStatus() const;

    // Throws away bytes that came in late, before an exchange that must start
    // in step with the instrument.
    void PurgeInput();

    int portNumber() const { return PortNumber; }
    const SerialLineSettings &lineSettings() const { return LineSettings; }
    const SerialTimeouts &timeouts() const { return Timeouts; }

private:
    int writeTimeoutMs() const;
    bool open();
    bool open(const QString &devicePath);

    SerialDevice Handle;
    QString m_workingDirectory;
    QString m_device;
    QString m_devicePath;
    QString m_resolvedPath;
    int32_t PortNumber = 0;
    SerialLineSettings LineSettings;
    SerialTimeouts Timeouts;
    int32_t RequestedInQueue = 0;
    int32_t RequestedOutQueue = 0;
};

// The configuration the program gives its port right after creating it:
// 9600 bit/s, no parity, one stop bit, 8 data bits, queues of 16000 and 50
// bytes, reads that give up after 1000 ms, writes after 2 ms per byte, RTS
// raised and DTR dropped.
void applyStartupConfiguration(TSerial &serial);
