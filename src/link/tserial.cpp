#include "link/tserial.h"

#include "link/portname.h"

#include <QFileInfo>
#include <algorithm>
#include <climits>

namespace {

constexpr uint8_t HighestParityCode = static_cast<uint8_t>(SerialParity::Space);
constexpr uint8_t HighestStopBitsCode = static_cast<uint8_t>(SerialStopBits::Two);

// Time-out of a transfer of one byte: multiplier × 1 + constant, which for
// large hand-set values would not fit an int.
int oneByteTimeoutMs(uint32_t multiplier, uint32_t constant)
{
    const uint64_t total = uint64_t{multiplier} + constant;
    return static_cast<int>(std::min<uint64_t>(total, INT_MAX));
}

} // namespace

TSerial::TSerial(int PortNumber, const QString &workingDirectory, const QString &device)
    : m_workingDirectory(workingDirectory)
    , m_device(device)
    , PortNumber(PortNumber)
{
    open();
}

bool TSerial::reopen()
{
    if (IsOpen())
        return true;
    // A device that went away is looked for only where it was. With its
    // COM<N> link gone, the port's number would lead to another device
    // (/dev/ttyS0 for COM1), which would then be polled as the instrument.
    return isLost() ? open(m_devicePath)
                    : open(chosenDevicePath(m_device, PortNumber, m_workingDirectory));
}

bool TSerial::open()
{
    // Worked out afresh each time: a COM<N> link made after start-up counts.
    return open(chosenDevicePath(m_device, PortNumber, m_workingDirectory));
}

bool TSerial::open(const QString &devicePath)
{
    m_devicePath = devicePath;
    m_resolvedPath = QFileInfo(m_devicePath).canonicalFilePath();
    if (!Handle.open(m_devicePath))
        return false;
    ReadState();
    WriteState();
    return true;
}

DeviceStatus TSerial::deviceStatus() const
{
    const PortState state = IsOpen()   ? PortState::Open
                            : isLost() ? PortState::Lost
                                       : PortState::NotOpen;
    return {m_devicePath, m_resolvedPath, state, Handle.openError(), Handle.isEmulatorTerminal()};
}

bool TSerial::SetBufferSizes(int32_t InQueue, int32_t OutQueue)
{
    RequestedInQueue = InQueue;
    RequestedOutQueue = OutQueue;
    return IsOpen();
}

// The time-outs live only in this object: a POSIX port has nowhere to keep
// them, so there is nothing to refresh them from or write them back to.
void TSerial::SetReadIntervalTimeout(uint32_t ms)
{
    Timeouts.ReadIntervalTimeout = ms;
}

void TSerial::SetReadTotalTimeoutMultiplier(uint32_t ms)
{
    Timeouts.ReadTotalTimeoutMultiplier = ms;
}

void TSerial::SetReadTotalTimeoutConstant(uint32_t ms)
{
    Timeouts.ReadTotalTimeoutConstant = ms;
}

void TSerial::SetWriteTotalTimeoutMultiplier(uint32_t ms)
{
    Timeouts.WriteTotalTimeoutMultiplier = ms;
}

void TSerial::SetWriteTotalTimeoutConstant(uint32_t ms)
{
    Timeouts.WriteTotalTimeoutConstant = ms;
}

bool TSerial::ReadState()
{
    const auto parameters = Handle.lineParameters();
    if (!parameters)
        return false;
    LineSettings.BaudRate = parameters->baudRate;
    LineSettings.ByteSize = parameters->dataBits;
    LineSettings.Parity = static_cast<uint8_t>(parameters->parity);
    LineSettings.StopBits = static_cast<uint8_t>(parameters->stopBits);
    return true;
}

void TSerial::WriteState()
{
    // Line errors must not stop later transfers. A termios line never stops
    // on them, so the flag is only kept clear in the record.
    LineSettings.fAbortOnError = false;
    // A code the line cannot take makes the whole write fail, and the port
    // keeps what it had, as a driver rejecting the record would.
    if (LineSettings.Parity > HighestParityCode || LineSettings.StopBits > HighestStopBitsCode)
        return;
    Handle.setLineParameters({LineSettings.BaudRate, LineSettings.ByteSize,
                              static_cast<SerialParity>(LineSettings.Parity),
                              static_cast<SerialStopBits>(LineSettings.StopBits)});
}

void TSerial::SetBaudRate(uint32_t BaudRate)
{
    ReadState();
    LineSettings.BaudRate = BaudRate;
    WriteState();
}

void TSerial::SetParity(uint8_t Parity)
{
    ReadState();
    LineSettings.Parity = Parity;
    WriteState();
}

void TSerial::SetStopBits(uint8_t StopBits)
{
    ReadState();
    LineSettings.StopBits = StopBits;
    WriteState();
}

void TSerial::SetByteSize(uint8_t ByteSize)
{
    ReadState();
    LineSettings.ByteSize = ByteSize;
    WriteState();
}

uint32_t TSerial::GetBaudRate()
{
    ReadState();
    return LineSettings.BaudRate;
}

uint8_t TSerial::GetParity()
{
    ReadState();
    return LineSettings.Parity;
}

uint8_t TSerial::GetStopBits()
{
    ReadState();
    return LineSettings.StopBits;
}

uint8_t TSerial::GetByteSize()
{
    ReadState();
    return LineSettings.ByteSize;
}

bool TSerial::SetDTR(bool on)
{
    return Handle.setModemLine(ModemLine::Dtr, on);
}

bool TSerial::SetRTS(bool on)
{
    return Handle.setModemLine(ModemLine::Rts, on);
}

int32_t TSerial::WriteByte(uint8_t byte)
{
    return Handle.writeByte(byte, writeTimeoutMs());
}

int32_t TSerial::ReadByte(uint8_t *target)
{
    if (!target)
        return 0;
    return Handle.readByte(*target, readTimeoutMs());
}

bool TSerial::readWaitingByte(uint8_t &target)
{
    return Handle.readByte(target, 0) == 1;
}

void TSerial::PurgeInput()
{
    Handle.discardInput();
}

int TSerial::readTimeoutMs() const
{
    return oneByteTimeoutMs(Timeouts.ReadTotalTimeoutMultiplier, Timeouts.ReadTotalTimeoutConstant);
}

int TSerial::writeTimeoutMs() const
{
    return oneByteTimeoutMs(Timeouts.WriteTotalTimeoutMultiplier,
                            Timeouts.WriteTotalTimeoutConstant);
}

void applyStartupConfiguration(TSerial &serial)
{
    constexpr uint32_t BaudRate = 9600;
    constexpr uint8_t NoParity = 0;
    constexpr uint8_t OneStopBit = 0;
    constexpr uint8_t DataBits = 8;
    constexpr int32_t InputQueueBytes = 16000;
    constexpr int32_t OutputQueueBytes = 50;
    constexpr uint32_t ReadTimeoutMs = 1000;
    constexpr uint32_t WriteTimeoutPerByteMs = 2;

    serial.SetBaudRate(BaudRate);
    serial.SetParity(NoParity);
    serial.SetStopBits(OneStopBit);
    serial.SetByteSize(DataBits);
    serial.SetBufferSizes(InputQueueBytes, OutputQueueBytes);
    serial.SetReadIntervalTimeout(0);
    serial.SetReadTotalTimeoutMultiplier(0);
    serial.SetReadTotalTimeoutConstant(ReadTimeoutMs);
    serial.SetWriteTotalTimeoutMultiplier(WriteTimeoutPerByteMs);
    serial.SetWriteTotalTimeoutConstant(0);
    serial.SetRTS(true);
    serial.SetDTR(false);
}
