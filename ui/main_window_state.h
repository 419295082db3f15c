// The run-time state of the main window and the numeric ids that the main
// window's commands, timers and messages use.
#pragma once
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
    char jumpText[kFrequencyTextSize];   // the Jump dialog's field, at most 8 characters
    // Set by the Jump dialog when OK accepts jumpText; tells the Jump flow
    // that the dialog was not cancelled.
    int jumpAccepted;
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

constexpr unsigned kTrayCallbackMessage = 1224;   // WM_USER + 200
