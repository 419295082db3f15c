// The run-time state of the main window, its display rectangle and its timers.
#pragma once
#include <cstdint>
#include "settings/radio_settings.h"

struct MainWindowState {
    char currentFrequency[kFrequencyTextSize];
    int currentPresetIndex;     // 0-9, kNoPreset for none
    int memoryMode;
    int scanActive;
    int scanPosition;           // 0-10
    int runInTray;
    int noTrayMode;
    int schedulerActive;
    int sleepTimerActive;
    // Set by an accepted Jump: the display shows currentFrequency instead of
    // the record of currentPresetIndex until a command changes the station.
    int jumpDisplayPending;
};

// Client-pixel rectangle of the frequency display (right and bottom exclusive).
constexpr int kDisplayLeft = 13;
constexpr int kDisplayTop = 9;
constexpr int kDisplayRight = 140;
constexpr int kDisplayBottom = 43;

inline bool insideDisplayRect(int x, int y) {
    return x >= kDisplayLeft && x < kDisplayRight && y >= kDisplayTop && y < kDisplayBottom;
}

enum TimerId { kScanTimer = 1, kMemoryTimer = 2, kSchedulerPollTimer = 3,
               kPlayingTimeTimer = 4, kSleepTimer = 5 };

// Window timers cannot wait longer than this (USER_TIMER_MAXIMUM); longer
// periods are capped or run in pieces instead of wrapping round.
constexpr uint32_t kMaxTimerPeriodMs = 0x7FFFFFFF;
