// The port operations that the card protocol and the speaker test need from the
// platform. Every card and speaker access goes through one of these.
#pragma once
#include <cstdint>

// A plain function that blocks for a number of milliseconds. The Win32
// programs hand in a small wrapper of Sleep (whose calling convention differs).
typedef void (*SleepFunction)(uint32_t milliseconds);

struct PortIo {
    virtual ~PortIo() = default;
    virtual void writeWord(uint16_t port, uint16_t value) = 0;
    virtual void writeByte(uint16_t port, uint8_t value) = 0;
    virtual void sleepMs(uint32_t milliseconds) = 0;
    virtual uint8_t readByte(uint16_t port) = 0;
};
