// The sleep time as last entered (kept in memory only).
#pragma once
#include <cstdint>

struct SleepTimerValues {
    uint16_t sleepHours;
    uint16_t sleepMinutes;
};
