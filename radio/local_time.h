// A moment of the local clock as the Win32 skin reads it (GetLocalTime) and
// hands it to the timed rules, which never read the clock themselves.
#pragma once
#include <cstdint>

struct LocalTime {
    int16_t year;
    int16_t month;      // 1-12
    int16_t dayOfWeek;  // 0 = Sunday ... 6 = Saturday
    int16_t day;        // 1-31
    int16_t hour;       // 0-23
    int16_t minute;     // 0-59
    int16_t second;
    int16_t milliseconds;
};
