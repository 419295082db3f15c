// Real x86 port input and output from user mode, for the Windows programs. The
// process must already hold port access (granted by opening the giveio driver).
#pragma once
#include <cstdint>

#include "card/port_io.h"

struct X86PortIo : PortIo {
    // sleep: a wrapper of the system's Sleep, handed in so that this header
    // needs no system headers.
    explicit X86PortIo(SleepFunction sleep) : sleep_(sleep) {}

    void writeWord(uint16_t port, uint16_t value) override {
        __asm__ __volatile__("outw %w0, %w1" : : "a"(value), "Nd"(port));
    }
    void writeByte(uint16_t port, uint8_t value) override {
        __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
    }
    uint8_t readByte(uint16_t port) override {
        uint8_t value;
        __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
        return value;
    }
    void sleepMs(uint32_t milliseconds) override {
        if (sleep_ != nullptr) sleep_(milliseconds);
    }

private:
    SleepFunction sleep_;
};
