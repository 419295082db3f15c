// The one scheduled event of a run (kept in memory only, never in radio.ini).
#pragma once
#include <cstdint>
#include "radio/local_time.h"

enum EventKind : int16_t { kEventToday = 0, kEventTomorrow = 1, kEventEvery = 2, kEventNext = 3 };

struct ScheduledEvent {
    int16_t dayCount;
    int32_t dayItems[7];        // selected day-list indices, 0 = Monday ... 6 = Sunday
    LocalTime times[7];         // entry i belongs to the i-th selected day
    EventKind kind;
    int32_t pm;
    char station[6];            // at most 5 characters
    int32_t playForever;
    uint32_t playHours;
    uint32_t playMinutes;
    int32_t firedCount;
    // Timer 4 runs (the playing time); a tick that comes when it does not is
    // ignored.
    int32_t playingTimeRunning;
    // What is left of a playing time longer than one window timer can wait.
    uint32_t playingRemainingMs;
    // The minute of the last firing (year 0: none yet). The poll runs four
    // times a minute, so this keeps an event from firing twice in its minute.
    LocalTime lastFiring;
};
