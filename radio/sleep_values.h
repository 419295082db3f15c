// The sleep time as last entered (kept in memory only).
#pragma once
#include <cstdint>

struct SleepTimerValues {
    uint16_t sleepHours;
    uint16_t sleepMinutes;
    // What is left of a sleep time longer than one window timer can wait.
    uint32_t remainingMs;
};
