// TEMPORARY: declarations of main-window logic that other branches are still
// writing. Deleted (with pending_core_stubs_win32.cpp) once they are merged.
#pragma once
#include <cstddef>
#include <cstdint>
#include "ui/program.h"

// Timed playback.
void schedulerCommand(Program& program);
void sleepTimerCommand(Program& program);
void schedulerPollTick(Program& program);
void playingTimeEnded(Program& program);
void sleepTimerEnded(Program& program);

// The virtual card.
struct VirtualCard : PortIo {
    VirtualCard(const char* logPath, void (*sleep)(uint32_t));
    void writeWord(uint16_t port, uint16_t value) override;
    void writeByte(uint16_t port, uint8_t value) override;
    void sleepMs(uint32_t milliseconds) override;
    uint8_t readByte(uint16_t port) override;
    void (*sleep_)(uint32_t);
};
struct X86PortIo : PortIo {
    void writeWord(uint16_t port, uint16_t value) override;
    void writeByte(uint16_t port, uint8_t value) override;
    void sleepMs(uint32_t milliseconds) override;
    uint8_t readByte(uint16_t port) override;
};
