// Memory mode (store the station in a preset) and the preset scan, with the
// timer ticks that drive them.
#pragma once
#include <cstddef>
#include <cstdint>
#include "radio/program.h"

constexpr uint32_t kMemoryTimeoutMs = 5000;
constexpr uint32_t kMinScanIntervalMs = 1000;


// Command 1030.
void enterMemoryMode(Program& program);
// Preset press i while memoryMode is set (currentPresetIndex is already i).
void storeInMemoryMode(Program& program, int presetIndex);
// Tick of timer 2.
void onMemoryTimer(Program& program);
// Command 1054: starts or stops the scan; nothing while off or in memory mode.
void toggleScan(Program& program);
// Tick of timer 1.
void onScanTimer(Program& program);
// Right button pressed in the main window.
void cancelScanAndMemory(Program& program);

// The scan timer's period for a dwell text (read within `capacity` bytes) and
// unit flag (0 seconds, else minutes). A dwell of 0 or less gives
// kMinScanIntervalMs; one beyond kMaxTimerPeriodMs is capped there.
uint32_t scanIntervalMs(const char* durationText, std::size_t capacity, int minutesFlag);
