// TEMPORARY: declarations of main-window logic that other branches are still
// writing. Deleted (with pending_core_stubs_win32.cpp) once they are merged.
#pragma once
#include <cstddef>
#include <cstdint>
#include "ui/program.h"

// Preset scan and memory mode.
void scanStep(Program& program);
void memoryTimeout(Program& program);
void cancelScanAndMemory(Program& program);
// Jump dialog and applying its result.
void runJumpFlow(Program& program);
// Timed playback.
void schedulerCommand(Program& program);
void sleepTimerCommand(Program& program);
void schedulerPollTick(Program& program);
void playingTimeEnded(Program& program);
void sleepTimerEnded(Program& program);
// Tray icon mouse message (the second parameter of message 1224).
void onTrayCallback(Program& program, unsigned mouseMessage);

// Tray popup menu contents.
struct TrayMenuModel {
    char presetItems[10][32];
    bool startScanEnabled;
    bool stopScanEnabled;
};
void buildTrayMenuModel(const Program& program, TrayMenuModel& model);

// Display panel: what to draw, in order.
struct DisplayDrawStep {
    int imageIndex;   // 0-11: cached DisplayImages entry; -1: status bitmap below
    int bitmapId;     // status bitmap resource id when imageIndex is -1
    int x;
    int y;
};
constexpr int kMaxDisplaySteps = 11;
int buildDisplayDrawList(Program& program, DisplayDrawStep* steps);

// Tooltips.
constexpr int kTooltipCount = 25;
extern const int kTooltipControlIds[kTooltipCount];
bool tooltipTextFor(const Program& program, int controlId, char* out, std::size_t capacity);

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
